#pragma once
// The one route for user-facing text: six levels, framed errors and warnings.
#include <iosfwd>
#include <stdexcept>
#include <string>

namespace Flumaris {

// Thrown by a level-1 message outside parallel regions; main turns it into exit code 1.
class FatalError : public std::runtime_error {
public:
    explicit FatalError(const std::string& text) : std::runtime_error(text) {}
};

class MessageService {
public:
    static MessageService& instance();

    // Level 1 error (fatal, see fatal()), 2..4 warnings, 5..6 information.
    void report(int level, const std::string& text);
    void endOfProgram(bool waitForKey);

    // Wrapped text: first line at most 72 characters, further lines 75, each behind "\n   ".
    static std::string wrap(const std::string& text);
    // The 79-column framed header with its empty first line.
    static std::string header(const std::string& title);

    // Tests and non-terminal runs: where level-4 answers come from, and whether
    // standard input is a terminal (key waits happen only on a terminal).
    void setAnswerStream(std::istream* in) { answers_ = in; }
    void setInteractive(bool on) { interactiveOverride_ = on ? 1 : 0; }
    bool interactive() const;
    // Reads one key stroke without echo (only on a terminal).
    void waitForKey() const;

private:
    MessageService() = default;
    [[noreturn]] void error(const std::string& text);
    void warning(int level, const std::string& text);
    void information(const std::string& text);
    std::istream* answers_ = nullptr;
    int interactiveOverride_ = -1;
};

// Shorthand for MessageService::instance().report(level, text).
void report(int level, const std::string& text);
// The level-1 message: prints the error box and ends the run (FatalError, or
// the process inside a parallel region); nothing after it runs.
[[noreturn]] void fatal(const std::string& text);

}  // namespace Flumaris
