#include "tools/FTTextFile.h"

#include <utility>

#include "core/MessageService.h"

namespace FLUMtools {

FTTextFile::FTTextFile(const std::string& fileName, const char* mode) { open(fileName, mode); }

FTTextFile::~FTTextFile() {
    if (file_) std::fclose(file_);
}

FTTextFile::FTTextFile(FTTextFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), fileName_(std::move(other.fileName_)) {}

FTTextFile& FTTextFile::operator=(FTTextFile&& other) noexcept {
    if (this != &other) {
        if (file_) std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
        fileName_ = std::move(other.fileName_);
    }
    return *this;
}

void FTTextFile::open(const std::string& fileName, const char* mode) {
    close();
    fileName_ = fileName;
    file_ = std::fopen(fileName.c_str(), mode);
    if (!file_) Flumaris::fatal("Could not open file '" + fileName + "' for writing");
}

void FTTextFile::writeRecord(fmt::memory_buffer& buffer) {
    if (!file_) return;
    const bool ok = std::fwrite(buffer.data(), 1, buffer.size(), file_) == buffer.size() && std::fflush(file_) == 0;
    buffer.clear();
    if (!ok) Flumaris::fatal("Could not write to file '" + fileName_ + "'");
}

void FTTextFile::close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

}  // namespace FLUMtools
