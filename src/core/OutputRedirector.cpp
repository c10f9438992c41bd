#include "core/OutputRedirector.h"

#include <algorithm>
#include <ctime>
#include <iostream>

#include "core/FlumAssert.h"
#include "core/Flumaris.h"

namespace FLUMtools {

OutputRedirector& OutputRedirector::instance() {
    // Never destroyed: messages may come during static destruction.
    static OutputRedirector* redirector = new OutputRedirector();
    return *redirector;
}

OutputRedirector::OutputRedirector() {
    console_ = std::cout.rdbuf();
    buffers_.push_back(console_);
    std::cout.rdbuf(this);
}

OutputRedirector::~OutputRedirector() {
    closeLog();
    std::cout.rdbuf(console_);
}

void OutputRedirector::closeLog() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!fout_.is_open()) return;
    const auto it = std::find(buffers_.begin(), buffers_.end(), fout_.rdbuf());
    FLUM_ASSERT(find(buffers_.begin(), buffers_.end(), fout_.rdbuf()) != buffers_.end());
    buffers_.erase(it);
    fout_ << "\n*/\n";
    fout_.close();
}

void OutputRedirector::openLog(const std::string& path, const std::string& commandFile) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    std::cout.flush();
    closeLog();
    if (path.empty()) return;
    fout_.open(path, std::ios::out | std::ios::trunc);
    if (!fout_.is_open()) return;
    const std::time_t now = std::time(nullptr);
    char started[32] = {};
    std::strftime(started, sizeof started, "%a %b %e %H:%M:%S %Y", std::localtime(&now));
    fout_ << "// --------------------------------------------------\n"
          << "// FLUMARIS log file:\n"
          << "// Version:  " << Flumaris::kVersion << " R" << Flumaris::kRevision << "\n"
          << "// fmc file: " << commandFile << ".fmc\n"
          << "// started:  " << started << "\n"
          << "// --------------------------------------------------\n"
          << "/*\n";
    fout_.flush();
    buffers_.push_back(fout_.rdbuf());
}

void OutputRedirector::commentFreeWrite(const std::string& text) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!fout_.is_open()) return;
    std::cout.flush();
    fout_ << "*/\n" << text << "\n/*\n";
    fout_.flush();
}

int OutputRedirector::overflow(int c) {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (std::streambuf* b : buffers_) b->sputc(static_cast<char>(c));
    if (c == '\n')
        for (std::streambuf* b : buffers_) b->pubsync();
    return c;
}

std::streamsize OutputRedirector::xsputn(const char* s, std::streamsize n) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (std::streambuf* b : buffers_) b->sputn(s, n);
    if (std::find(s, s + n, '\n') != s + n)
        for (std::streambuf* b : buffers_) b->pubsync();
    return n;
}

int OutputRedirector::sync() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    for (std::streambuf* b : buffers_) b->pubsync();
    return 0;
}

}  // namespace FLUMtools
