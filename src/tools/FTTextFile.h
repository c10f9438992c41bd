#pragma once
// A result file written in whole records: text is composed in a memory buffer
// and handed over in one write, then flushed, so a run that stops early leaves
// every record written so far complete.
#include <cstdio>
#include <string>

#include <fmt/format.h>

namespace FLUMtools {

class FTTextFile {
public:
    FTTextFile() = default;
    // Opens for writing ("w") or appending ("a"); failure is a level-1 error naming the file.
    explicit FTTextFile(const std::string& fileName, const char* mode = "w");
    ~FTTextFile();
    FTTextFile(const FTTextFile&) = delete;
    FTTextFile& operator=(const FTTextFile&) = delete;
    FTTextFile(FTTextFile&& other) noexcept;
    FTTextFile& operator=(FTTextFile&& other) noexcept;

    void open(const std::string& fileName, const char* mode = "w");
    bool isOpen() const { return file_ != nullptr; }
    const std::string& fileName() const { return fileName_; }

    // Writes the buffer, flushes and clears it.
    void writeRecord(fmt::memory_buffer& buffer);
    void close();

private:
    std::FILE* file_ = nullptr;
    std::string fileName_;
};

}  // namespace FLUMtools
