#pragma once
// Tees standard output into the run's log file.
#include <fstream>
#include <mutex>
#include <streambuf>
#include <string>
#include <vector>

namespace FLUMtools {

class OutputRedirector : public std::streambuf {
public:
    // Installs itself as std::cout's buffer on first use.
    static OutputRedirector& instance();
    ~OutputRedirector() override;

    // Closes an open log with "\n*/\n", then opens path (if not empty) and writes the header.
    void openLog(const std::string& path, const std::string& commandFile);
    void closeLog();
    bool logOpen() const { return fout_.is_open(); }
    // Writes to the log only, outside the comment block.
    void commentFreeWrite(const std::string& text);

protected:
    int overflow(int c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    OutputRedirector();
    std::vector<std::streambuf*> buffers_;
    std::ofstream fout_;
    std::streambuf* console_ = nullptr;
    std::recursive_mutex mutex_;
};

}  // namespace FLUMtools
