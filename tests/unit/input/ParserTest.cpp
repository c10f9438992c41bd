#include <gtest/gtest.h>

#include <fstream>

#include <filesystem>

#include "TestSchema.h"
#include "core/MessageService.h"
#include "input/syntax/InputEcho.h"
#include "input/syntax/InputParseError.h"
#include "input/syntax/InputParser.h"

using namespace FLUMparse;
using testschema::TRoot;

namespace {

struct ParseFailure {
    int kind = 0;
    std::string message;
    int line = 0;
    int column = 0;
};

ParseFailure failureOf(const std::string& text, const std::string& file = "") {
    TRoot root;
    try {
        InputParser(true).parseText(text, root, file);
    } catch (const InputParseError& e) {
        return {e.kind(), e.what(), e.line(), e.column()};
    }
    ADD_FAILURE() << "no parse error for:\n" << text;
    return {};
}

const char* kEofTail = "Usually, this happens if some lists or blocks miss their closing brace '}' or ')'.";

}  // namespace

TEST(InputParserPrepare, CommentsAreBlankedAndLineFeedsKept) {
    std::string b = "a // x\nb /* c\nd */ e\r\n";
    InputParser::prepare(b);
    EXPECT_EQ(b, "a     \nb     \n     e \n");
    // "/*/" closes itself: the '*' of the opener precedes the third character.
    std::string c = "x/*/y";
    InputParser::prepare(c);
    EXPECT_EQ(c, "x   y");
    // A blank after "//" is not needed, and "//" inside a value starts a comment too.
    std::string d = "file = C://dir\n";
    InputParser::prepare(d);
    EXPECT_EQ(d, "file = C:     \n");
    std::string e = "a */ b";
    InputParser::prepare(e);
    EXPECT_EQ(e, "a */ b");
}

TEST(InputParserSyntax, BlocksTagsAndValues) {
    TRoot root;
    InputParser(true).parseText(
        "A {\r\n"
        "  n = 3   // three\n"
        "  reals = ( 1 2\n"
        "            3 )\n"
        "  s =    two words  \t\n"
        "  INNER { label = 2.5 }\n"   // '}' belongs to the value: closed on the next line
        "  }\n"
        "}\n"
        "A{\n}\n"
        "MUST {\n name = m\n}\n",
        root, "t.fmc");
    ASSERT_EQ(root.numBlocks("A"), 2u);
    const InputBlock& a = root.getBlock("A");
    EXPECT_EQ(a.line(), 1);
    EXPECT_EQ(a.file(), "t.fmc");
    EXPECT_EQ(a.getTag("n").asInt(), 3);
    EXPECT_EQ(a.getTag("reals").asDoubleList(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(a.getTag("s").asString(), "two words");
    const InputBlock& inner = a.getBlock("INNER");
    EXPECT_EQ(inner.getTag("label").valueText(), "2.5 }");
    EXPECT_EQ(root.getBlock("A", 1).line(), 9);
    EXPECT_EQ(root.getBlock("MUST").line(), 11);
    EXPECT_EQ(root.getBlock("MUST").getTag("name").line(), 12);
}

TEST(InputParserSyntax, EmptyFilePassesTheSyntaxStage) {
    TRoot root;
    EXPECT_NO_THROW(InputParser(true).parseText("", root));
    EXPECT_NO_THROW(InputParser(true).parseText("  // nothing\n/* at all */\n", root));
}

TEST(InputParserErrors, StructuralMessagesWithLineAndColumn) {
    struct Case {
        const char* text;
        const char* message;
        int line;
        int column;
    };
    const Case cases[] = {
        {"A {\n  {\n", "Parse error near line 2, col 3: Found opening brace { with empty block name.", 2, 3},
        {"  = 5\n", "Parse error near line 1, col 3: Found tag definition with empty tag name.", 1, 3},
        {"A {\n n = 1\n xy}\n", "Parse error near line 3, col 4: Found a closing brace '}' after a series of name characters 'xy'.", 3, 4},
        {"NAME OTHER {\n}\n", "Parse error near line 1, col 6: Found an invalid whitespace character in a name.", 1, 6},
        {"A {\n n$ = 1\n", "Parse error near line 2, col 3: Found an invalid character '$' while expecting a name.", 2, 3},
        {"A {\n s = 1)\n}\n", "Parse error near line 2, col 7: Found closing brace in tag value but there was no opening brace.", 2, 7},
        {"A {\n}\n}\n", "Parse error near line 3, col 1: Closing of the root block found.", 3, 1},
    };
    for (const Case& c : cases) {
        const ParseFailure f = failureOf(c.text);
        EXPECT_EQ(f.kind, InputParseError::Syntax) << c.text;
        EXPECT_EQ(f.message, c.message);
        EXPECT_EQ(f.line, c.line) << c.text;
        EXPECT_EQ(f.column, c.column) << c.text;
    }
}

TEST(InputParserErrors, LineNumbersSurviveCommentsAndMultiLineValues) {
    const ParseFailure f = failureOf(
        "/* a\n"
        "   b */ A {\n"
        "  reals = ( 1\n"
        "  2 )  // end\n"
        "  ? = 1\n");
    EXPECT_EQ(f.message, "Parse error near line 5, col 3: Found an invalid character '?' while expecting a name.");
}

TEST(InputParserErrors, EndOfFileMessages) {
    EXPECT_EQ(failureOf("A {\n n = 1\n").message,
              std::string("End of file reached in an invalid state, which means that your input file is invalid. "
                          "The problem occured while parsing block 'A' which started on line 1. ") + kEofTail);
    // A '}' on the value's line belongs to the value, so the block stays open.
    const ParseFailure k = failureOf("MUST {\n name = 5 }", "k.fmc");
    EXPECT_EQ(k.kind, InputParseError::EndOfFile);
    EXPECT_EQ(k.message, std::string("End of file reached in an invalid state, which means that your input file is "
                                     "invalid. The problem occurred while parsing tag 'name' in file 'k.fmc' which "
                                     "started on line 2. ") + kEofTail);
    EXPECT_EQ(failureOf("MUST {\n name = 5 }\n").message,
              std::string("End of file reached in an invalid state, which means that your input file is invalid. "
                          "The problem occured while parsing block 'MUST' which started on line 1. ") + kEofTail);
    EXPECT_EQ(failureOf("A {\n reals = ( 1 2\n\n").message,
              std::string("End of file reached in an invalid state, which means that your input file is invalid. "
                          "The problem occurred while parsing tag 'reals' which started on line 2. ") + kEofTail);
    EXPECT_EQ(failureOf("\n\nA {", "x.fmc").message,
              std::string("End of file reached in an invalid state, which means that your input file is invalid. "
                          "The problem occured while parsing block 'A' in file 'x.fmc' which started on line 3. ") + kEofTail);
    EXPECT_EQ(failureOf("A {\n}\nB").message, "There are some trailing characters at the end of the file! Fix it");
}

TEST(InputParserErrors, LookUpErrorsEndTheParse) {
    EXPECT_EQ(failureOf("B {\n}\n").message,
              "Parse error near line 1, col 3: Block named 'B' is not a valid block name within block 'FLUMARIS'. "
              "Valid blocks are A, MUST, EMPTY.");
    EXPECT_EQ(failureOf("EMPTY {\n X {\n").message,
              "Parse error near line 2, col 4: Block named 'X' is not a valid block name within block 'EMPTY' There is no subblock.");
    EXPECT_EQ(failureOf("MUST {\n}\nMUST {\n}\n").message,
              "Parse error near line 3, col 6: Block named 'MUST' is non-repeatable, but second block defined.");
    const ParseFailure t = failureOf("MUST {\n nam = x\n}\n");
    EXPECT_EQ(t.kind, InputParseError::Lookup);
    EXPECT_EQ(t.message,
              "Parse error near line 2, col 9: Tag named 'nam' is not defined within block 'MUST'. Valid tag names are "
              "name, type, needs_two, only_one, alpha, beta.");
    EXPECT_EQ(failureOf("EMPTY {\n x = 1\n}\n").message,
              "Parse error near line 2, col 7: Tag named 'x' is not defined within block 'EMPTY'. Actually, there are no tags in this block.");
    EXPECT_EQ(failureOf("MUST {\n name = a\n name = b\n}\n").message,
              "Parse error near line 3, col 10: Tag named 'name' is non-repeatable, but second tag defined.");
}

TEST(InputParserErrors, TagValueErrors) {
    const ParseFailure f = failureOf("A {\n  n = x\n}\n");
    EXPECT_EQ(f.kind, InputParseError::TagValue);
    EXPECT_EQ(f.line, 2);
    EXPECT_EQ(f.column, 8);
    EXPECT_EQ(f.message, "Tag value error near line 2, col 8: Character 'x' is invalid for an integer");
    EXPECT_EQ(failureOf("A {\n mode = 3\n}\n").message,
              "Tag value error near line 2, col 10: Expression '3' is not a valid value for tag 'mode'. Allowed values are 32, 16, 8");
    EXPECT_EQ(failureOf("A {\n mode =  \n}\n").message,
              "Tag value error near line 2, col 10: Empty value is not allowed for tag 'mode'. Allowed values are 32, 16, 8");
    EXPECT_EQ(failureOf("A {\n flag = maybe\n}\n").message,
              "Tag value error near line 2, col 14: Expression 'maybe' is not a valid value for tag 'flag'. Allowed "
              "values are yes, no, on, off, true, false, 1, 0");
    EXPECT_EQ(failureOf("A {\n ints = ( 1 2 3 4 )\n}\n").message,
              "Tag value error near line 2, col 20: Expected up to 3 items in list  '( 1 2 3 4 )' but found 4");
    EXPECT_EQ(failureOf("A {\n creals = (1)\n}\n").message,
              "Tag value error near line 2, col 14: Expected 2 items in list  '(1)' but found 1");
    EXPECT_EQ(failureOf("A {\n pos = .x\n}\n").message,
              "Tag value error near line 2, col 10: Position starts with a '.' which means that no region name is defined");
    EXPECT_EQ(failureOf("A {\n pos = x\n}\n").message,
              "Tag value error near line 2, col 9: There is no region name in string 'x'");
    EXPECT_EQ(failureOf("A {\n pos = a.b.c\n}\n").message,
              "Tag value error near line 2, col 13: Found a second dot in 'a.b.c' which is unexpected");
}

// Users write switches as on/off or true/false too, and some editors start a file with a byte-order mark.
TEST(InputParser, LenientBooleansAndByteOrderMark) {
    for (const auto& [word, value] : std::vector<std::pair<std::string, bool>>{
             {"yes", true}, {"on", true}, {"true", true}, {"1", true}, {"no", false}, {"off", false}, {"false", false},
             {"0", false}}) {
        TRoot root;
        InputParser(true).parseText("A {\n flag = " + word + "\n}\n", root);
        EXPECT_EQ(root.getBlock("A").getTag("flag").asBool(), value) << word;
    }
    const auto file = std::filesystem::temp_directory_path() / "flum_bom.fmc";
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" << "A {\n n = 3\n}\n";
    TRoot root;
    InputParser(true).parse(file.string(), root);
    EXPECT_EQ(root.getBlock("A").getTag("n").asInt(), 3);
    EXPECT_EQ(root.getBlock("A").getTag("n").line(), 2);
    std::filesystem::remove(file);
}

TEST(InputParserErrors, FatalModeGoesThroughTheMessageService) {
    TRoot root;
    try {
        InputParser().parseText("A {\n  {\n", root);
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "Parse error near line 2, col 3: Found opening brace { with empty block name.");
    }
    try {
        InputParser().parse("/nonexistent/dir/x.fmc", root);
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "InputParser: file '/nonexistent/dir/x.fmc' does not exist");
    }
}

TEST(InputEcho, EchoParsesBackToTheSameText) {
    const std::string text =
        "A {\n n = 3\n reals = ( 1\n 2 )\n multi = ( 1 2 )\n multi = ( 3 )\n INNER {\n label = 1 }\n }\n INNER {\n}\n}\n"
        "MUST {\n name = x\n}\n";
    TRoot root;
    InputParser(true).parseText(text, root);
    const std::string echo = echoInput(root);
    TRoot again;
    InputParser(true).parseText(echo, again);
    EXPECT_EQ(echoInput(again), echo);
    EXPECT_EQ(again.getBlock("A").getTag("multi").asIntListList(), (std::vector<std::vector<int>>{{1, 2}, {3}}));
    EXPECT_EQ(again.getBlock("A").getBlock("INNER").getTag("label").valueText(), "1 }");
    EXPECT_EQ(again.getBlock("A").numBlocks("INNER"), 2u);
}
