#include "input/syntax/InputParser.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputTag.h"
#include "input/syntax/InputParseError.h"
#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

namespace {
bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}
}  // namespace

void InputParser::prepare(std::string& buf) {
    for (char& c : buf)
        if (c == '\r') c = ' ';
    enum { Code, Line, Block } mode = Code;
    char prev = '\0';  // the character before blanking
    for (char& c : buf) {
        const char original = c;
        switch (mode) {
            case Code:
                if (prev == '/' && (c == '/' || c == '*')) {
                    mode = (c == '/') ? Line : Block;
                    (&c)[-1] = ' ';
                    c = ' ';
                }
                break;
            case Line:
                if (c == '\n')
                    mode = Code;
                else
                    c = ' ';
                break;
            case Block:
                if (c != '\n') {
                    if (c == '/' && prev == '*') mode = Code;
                    c = ' ';
                }
                break;
        }
        prev = original;
    }
}

void InputParser::parse(const std::string& fileName, InputBlock& root) {
    Flumaris::report(5, "InputParser: reading input from fmc file '" + fileName + "'");
    std::ifstream in(fileName, std::ios::binary);
    if (!in) fail(InputParseError::FileOpen, "InputParser: file '" + fileName + "' does not exist");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Editors on other systems start a UTF-8 file with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    parseText(std::move(text), root, fileName);
}

void InputParser::parseText(std::string text, InputBlock& root, const std::string& fileName) {
    fileName_ = fileName;
    state_ = 0;
    name_.clear();
    nameEnded_ = false;
    value_.clear();
    depth_ = 0;
    startLine_ = 1;
    line_ = 1;
    column_ = 0;
    lastColumn_ = 0;
    markLine_ = 1;
    markColumn_ = 0;
    stack_.assign(1, &root);
    root.setSource(fileName, 1);
    prepare(text);
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (state_ == 2 && c != '\n' && c != '(' && c != ')' && c != '\r') {
            // Fast path through the plain characters of a value (long lists).
            size_t j = i + 1;
            while (j < n && text[j] != '\n' && text[j] != '(' && text[j] != ')' && text[j] != '\r') ++j;
            value_.append(text, i, j - i);
            column_ += static_cast<int>(j - i);
            i = j - 1;
            continue;
        }
        if (c == '\n') {
            ++line_;
            lastColumn_ = column_;
            column_ = 0;
        } else {
            ++column_;
        }
        step(c);
    }
    endOfFile();
}

void InputParser::step(char c) {
    switch (state_) {
        case 1:
            openBlock();
            break;
        case 3:
            closeBlock();
            break;
        case 4:
            finishTag();
            break;
        case 2:
            stateValue(c);
            return;
        default:
            break;
    }
    stateName(c);
}

void InputParser::stateName(char c) {
    if (c == '{') {
        if (name_.empty()) structuralError("Found opening brace { with empty block name");
        markLine_ = line_;
        markColumn_ = column_;
        state_ = 1;
        return;
    }
    if (c == '=') {
        if (name_.empty()) structuralError("Found tag definition with empty tag name");
        state_ = 2;
        value_.clear();
        depth_ = 0;
        return;
    }
    if (c == '}') {
        if (!name_.empty())
            structuralError("Found a closing brace '}' after a series of name characters '" + name_ + "'");
        // Caught here rather than on the next character so that the column points at the brace.
        if (stack_.size() == 1) structuralError("Closing of the root block found");
        state_ = 3;
        return;
    }
    if (c == ' ' || c == '\t' || c == '\n') {
        if (!name_.empty()) nameEnded_ = true;
        return;
    }
    if (nameEnded_) structuralError("Found an invalid whitespace character in a name");
    if (!isNameChar(c)) structuralError(std::string("Found an invalid character '") + c + "' while expecting a name");
    if (name_.empty()) startLine_ = line_;
    name_ += c;
}

void InputParser::stateValue(char c) {
    if (c == '\n' && depth_ == 0) {
        // Value errors point at the end of the value's line rather than at the next character.
        markLine_ = line_ - 1;
        markColumn_ = lastColumn_ + 1;
        state_ = 4;
        return;
    }
    if (c == '(') {
        ++depth_;
    } else if (c == ')') {
        if (depth_ == 0) structuralError("Found closing brace in tag value but there was no opening brace");
        --depth_;
    } else if (c == '\r') {
        return;
    }
    value_ += c;
}

void InputParser::openBlock() {
    std::string message;
    InputBlock* block = stack_.back()->createBlock(name_, fileName_, startLine_, message);
    if (!block) {
        if (!message.empty() && message.back() != '.') message += '.';
        fail(InputParseError::Lookup, "Parse error near line " + std::to_string(markLine_) + ", col " +
                                          std::to_string(markColumn_) + ": " + message);
    }
    stack_.push_back(block);
    name_.clear();
    nameEnded_ = false;
    state_ = 0;
}

void InputParser::closeBlock() {
    if (stack_.size() == 1) structuralError("Closing of the root block found");
    stack_.pop_back();
    state_ = 0;
}

void InputParser::finishTag() {
    std::string message;
    InputTag* tag = stack_.back()->createTag(name_, startLine_, message);
    if (!tag) {
        if (!message.empty() && message.back() != '.') message += '.';
        fail(InputParseError::Lookup, "Parse error near line " + std::to_string(markLine_) + ", col " +
                                          std::to_string(markColumn_) + ": " + message);
    }
    if (!tag->setValue(trimBlanks(value_), message))
        fail(InputParseError::TagValue, "Tag value error near line " + std::to_string(markLine_) + ", col " +
                                            std::to_string(markColumn_) + ": " + message);
    name_.clear();
    nameEnded_ = false;
    value_.clear();
    state_ = 0;
}

void InputParser::endOfFile() {
    // A block closed or a tag ended by the very last character is still pending.
    if (state_ == 3) closeBlock();
    if (state_ == 4) finishTag();
    if (state_ == 0 && stack_.size() == 1) {
        if (!name_.empty())
            fail(InputParseError::EndOfFile, "There are some trailing characters at the end of the file! Fix it");
        return;
    }
    std::string msg = "End of file reached in an invalid state, which means that your input file is invalid. ";
    int line = startLine_;
    if (state_ == 2) {
        msg += "The problem occurred while parsing tag '" + name_ + "'";
    } else if (state_ == 1) {
        msg += "The problem occured while parsing block '" + name_ + "'";
    } else {
        msg += "The problem occured while parsing block '" + stack_.back()->name() + "'";
        line = stack_.back()->line();
    }
    if (!fileName_.empty()) msg += " in file '" + fileName_ + "'";
    msg += " which started on line " + std::to_string(line) + ". ";
    msg += "Usually, this happens if some lists or blocks miss their closing brace '}' or ')'.";
    fail(InputParseError::EndOfFile, msg);
}

void InputParser::structuralError(const std::string& message) {
    fail(InputParseError::Syntax, "Parse error near line " + std::to_string(line_) + ", col " +
                                      std::to_string(column_) + ": " + message + ".");
}

void InputParser::fail(int kind, const std::string& message) {
    const bool marked = kind == InputParseError::Lookup || kind == InputParseError::TagValue;
    if (exceptionMode_)
        throw InputParseError(kind, message, marked ? markLine_ : line_, marked ? markColumn_ : column_);
    Flumaris::fatal(message);
    throw Flumaris::FatalError(message);  // report(1) throws already outside parallel regions
}

void readCommandFile(const std::string& path, InputBlock& root) {
    InputParser parser;
    parser.parse(path, root);
}

}  // namespace FLUMparse
