#include <gtest/gtest.h>

#include <cmath>

#include "input/syntax/InputParserCommon.h"
#include "input/syntax/ListParser.h"

using namespace FLUMparse;

namespace {
std::string realMessage(const std::string& t) {
    std::string m;
    EXPECT_FALSE(isValidReal(t, m)) << t;
    return m;
}
std::string intMessage(const std::string& t) {
    std::string m;
    EXPECT_FALSE(isValidInteger(t, m)) << t;
    return m;
}
}  // namespace

TEST(Recogniser, RealsAcceptedByTheAutomaton) {
    std::string m;
    for (const char* t : {"1.", "-3", "2e+", "+e5", "1.5", "1e5", "-1.5E-3", "0.25e7", "+2", "-e-"})
        EXPECT_TRUE(isValidReal(t, m)) << t;
    EXPECT_DOUBLE_EQ(toReal("2e+"), 2.0);
    EXPECT_DOUBLE_EQ(toReal("+e5"), 0.0);
    EXPECT_DOUBLE_EQ(toReal("+1.5"), 1.5);
    EXPECT_DOUBLE_EQ(toReal("1."), 1.0);
    EXPECT_DOUBLE_EQ(toReal("-1.5E-3"), -1.5e-3);
    EXPECT_TRUE(std::isinf(toReal("1e999")));
}

TEST(Recogniser, RealsRejectedWithTheirMessages) {
    EXPECT_EQ(realMessage(""), "Empty value instead of a double found");
    EXPECT_EQ(realMessage(".5"), "Value '.5' is not a double (last_stage: 1)");
    EXPECT_EQ(realMessage("1.5e"), "Value '1.5e' can not be recognized as a double");
    EXPECT_EQ(realMessage("+"), "Value '+' can not be recognized as a double");
    // A blank leads to the non-accepting trailing state, whatever follows.
    EXPECT_EQ(realMessage("1.5 x"), "Value '1.5 x' can not be recognized as a double");
    EXPECT_EQ(realMessage("1 "), "Value '1 ' can not be recognized as a double");
    // The exponent takes a blank but not a tab.
    EXPECT_EQ(realMessage("1e5\t"), "Value '1e5\t' is not a double (last_stage: 7)");
    EXPECT_EQ(realMessage("12a"), "Value '12a' is not a double (last_stage: 3)");
    EXPECT_EQ(realMessage("1..2"), "Value '1..2' is not a double (last_stage: 4)");
    EXPECT_EQ(realMessage("1e5.0"), "Value '1e5.0' is not a double (last_stage: 7)");
}

TEST(Recogniser, Integers) {
    std::string m;
    EXPECT_TRUE(isValidInteger("-", m));  // passes the check, reads as 0
    EXPECT_TRUE(isValidInteger("-12", m));
    EXPECT_TRUE(isValidInteger("007", m));
    EXPECT_EQ(intMessage(""), "Empty string as value received");
    EXPECT_EQ(intMessage("+1"), "Character '+' is invalid for an integer");
    EXPECT_EQ(intMessage("12a"), "Non numeric character 'a' found");
    EXPECT_EQ(intMessage("1-"), "Non numeric character '-' found");
    EXPECT_EQ(intMessage("1.0"), "Non numeric character '.' found");
    int v = 5;
    EXPECT_TRUE(toInteger("-", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(toInteger("-2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_FALSE(toInteger("99999999999", v));
}

TEST(Recogniser, BooleansAndTrim) {
    for (const char* t : {"1", "yes", "0", "no", "on", "off", "true", "false"}) EXPECT_TRUE(isValidBoolean(t));
    for (const char* t : {"YES", "On", "", "2", "y"}) EXPECT_FALSE(isValidBoolean(t));
    EXPECT_TRUE(toBoolean("on"));
    EXPECT_TRUE(toBoolean("true"));
    EXPECT_TRUE(toBoolean("yes"));
    EXPECT_FALSE(toBoolean("no"));
    EXPECT_EQ(trimBlanks(" \t 1.5 \t"), "1.5");
    EXPECT_EQ(trimBlanks("\t\t"), "");
}

TEST(ListParsers, WhiteSpaceLists) {
    WhiteSpaceListParser<double> p;
    EXPECT_EQ(p.parse("( 1 2.5 -3 )"), (std::vector<double>{1, 2.5, -3}));
    EXPECT_EQ(p.parse("( 1\t2\n  3 )"), (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(p.parse("()").empty());
    EXPECT_TRUE(p.parse("(   )").empty());
    // The parentheses are dropped by position.
    EXPECT_EQ(WhiteSpaceListParser<int>().parse("(4 5)"), (std::vector<int>{4, 5}));
    EXPECT_EQ(WhiteSpaceListParser<std::string>().parse("( a b  c )"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(p.description(), "whitespace separated list of reals");
    EXPECT_EQ(WhiteSpaceListParser<int>().description(), "whitespace separated list of integers");
    EXPECT_EQ(CommaListParser<std::string>().description(), "comma separated list of strings");
}

TEST(ListParsers, CommaLists) {
    CommaListParser<int> p;
    EXPECT_EQ(p.parse("(1,2,3)"), p.parse("( 1, 2 ,3 )"));
    EXPECT_EQ(p.parse("(1,2,3)"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p.parse("( 1,\n\t2 )"), (std::vector<int>{1, 2}));
    EXPECT_EQ(CommaListParser<std::string>().parse("( a b, c )"), (std::vector<std::string>{"a b", "c"}));
}

TEST(ListParsers, SyntaxErrors) {
    auto msg = [](auto&& parser, const std::string& text) {
        try {
            parser.parse(text);
        } catch (const ListError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    WhiteSpaceListParser<int> p;
    EXPECT_EQ(msg(p, "( 1 2"), "Invalid list syntax: List is invalid as it contains 1 more '(' than ')' braces");
    EXPECT_EQ(msg(p, "( 1 2 ))"), "Invalid list syntax: List is invalid as it contains 1 more ')' than '(' braces");
    EXPECT_EQ(msg(p, "1 2 3"), "List and sublists must start with '(' and end with ')'");
    EXPECT_EQ(msg(p, "( 1 ) ( 2 )"), "List and sublists must start with '(' and end with ')'");
    EXPECT_EQ(msg(p, "( 1 ( 2 ) )"), "Further braces found in list of depth 2 within expression '( 1 ( 2 ) )'");
    EXPECT_EQ(msg(p, "( 1 x )"), "List item nr. 2 is invalid: Character 'x' is invalid for an integer");
    EXPECT_EQ(msg(WhiteSpaceListParser<double>(), "( 1 2 .5 )"),
              "List item nr. 3 is invalid: Value '.5' is not a double (last_stage: 1)");
    // Comma items are whole texts between separators.
    EXPECT_EQ(msg(CommaListParser<double>(), "(1, 2 3)"),
              "List item nr. 2 is invalid: Value '2 3' can not be recognized as a double");
}

TEST(ListParsers, NestedSplit) {
    const NestedList list = ListParser::splitNested("( a (1 2) b(3,4) (5, 6 ,7) )");
    const auto& e = list.entries;
    ASSERT_EQ(e.size(), 5u);
    auto items = [&](size_t k) {
        return std::vector<std::string_view>(list.items.begin() + e[k].first,
                                             list.items.begin() + e[k].first + e[k].count);
    };
    EXPECT_EQ(e[0].word, "a");
    EXPECT_TRUE(e[1].isSublist);
    EXPECT_EQ(items(1), (std::vector<std::string_view>{"1", "2"}));
    EXPECT_EQ(e[2].word, "b");
    EXPECT_EQ(items(3), (std::vector<std::string_view>{"3", "4"}));
    EXPECT_EQ(items(4), (std::vector<std::string_view>{"5", "6", "7"}));
    EXPECT_THROW(ListParser::splitNested("( (1 (2)) )"), ListError);
    EXPECT_THROW(ListParser::splitNested("( (1 2 )"), ListError);
    EXPECT_THROW(ListParser::splitNested("(1 2) x"), ListError);
}
