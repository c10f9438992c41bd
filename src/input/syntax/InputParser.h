#pragma once
// Reads a command file (or a 1-D geometry file, same syntax) into an instance
// tree whose shape the schema of the root block fixes.
//
//   NAME { ... }     a block;  name = value   a tag (value up to the end of
//   the line, or over several lines while a parenthesis is open);  // and /* */
//   comments. Lists, numbers and paths are interpreted by the tags themselves.
//
// The parser stops at the first structural or look-up error. By default the
// error goes out as a level-1 message (FatalError); in exception mode it is
// thrown as InputParseError instead, so that callers that must survive any
// text (editor, fuzzing, tests) can catch it.
#include <string>
#include <vector>

namespace FLUMparse {

class InputBlock;

class InputParser {
public:
    explicit InputParser(bool exceptionMode = false) : exceptionMode_(exceptionMode) {}

    // Reports "InputParser: reading input from fmc file '<path>'" (level 5), reads
    // the file and parses it into root. Validation is a separate step (InputBlock::validate).
    void parse(const std::string& fileName, InputBlock& root);
    // Parses text already in memory; fileName only names it in messages.
    void parseText(std::string text, InputBlock& root, const std::string& fileName = "");

    // The two preparation passes: carriage returns become blanks, comments are
    // blanked (line feeds kept so that line numbers stay right).
    static void prepare(std::string& buffer);

private:
    void step(char c);
    void stateName(char c);
    void stateValue(char c);
    void openBlock();
    void closeBlock();
    void finishTag();
    void endOfFile();
    [[noreturn]] void structuralError(const std::string& message);
    [[noreturn]] void fail(int kind, const std::string& message);

    bool exceptionMode_;
    std::string fileName_;
    int state_ = 0;
    std::string name_;
    bool nameEnded_ = false;
    std::string value_;
    int depth_ = 0;
    int startLine_ = 1;
    int line_ = 1;
    int column_ = 0;
    int lastColumn_ = 0;  // column of the line feed that ended the previous line
    // Where look-up and value errors point: the '{' of a block, the end of a tag's value.
    int markLine_ = 1;
    int markColumn_ = 0;
    std::vector<InputBlock*> stack_;
};

// Reads and parses a command file into root (fatal errors as level-1 messages).
// The domain then echoes the tree (echoInput) into the log and validates it:
//   FLUMparse::FlumarisInputRoot root;
//   FLUMparse::readCommandFile(path, root);
//   log << FLUMparse::echoInput(root);
//   auto report = root.validate();   // report.text, report.hasErrors
void readCommandFile(const std::string& path, InputBlock& root);

}  // namespace FLUMparse
