#pragma once
// A parse failure with its place in the file; raised instead of the level-1
// message when the parser runs in exception mode (editor, tests, fuzzing).
#include <stdexcept>
#include <string>

namespace FLUMparse {

class InputParseError : public std::runtime_error {
public:
    enum Kind { Syntax = 1, Lookup = 2, TagValue = 3, EndOfFile = 4, FileOpen = 5 };

    InputParseError(int kind, const std::string& message, int line, int column)
        : std::runtime_error(message), kind_(kind), line_(line), column_(column) {}

    int kind() const { return kind_; }
    int line() const { return line_; }
    int column() const { return column_; }

private:
    int kind_;
    int line_;
    int column_;
};

}  // namespace FLUMparse
