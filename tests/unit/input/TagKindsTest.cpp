#include <gtest/gtest.h>

#include "input/schema/InputBlock.h"
#include "input/syntax/InputParser.h"

using namespace FLUMparse;

namespace {

enum class Law { Strickler = 3, Manning = 7 };

class KindsBlock final : public InputBlock {
public:
    KindsBlock() : InputBlock("K") {}

protected:
    void declare() override {
        addTag<InputTagSlope>("slope", "a slope");
        addTag<InputTagTaggedList<double>>("tagged", "named sublists");
        addTag<InputTagListOfList<int>>("pairs", "pairs").setSublistSize(2).setMaxCount(3);
        addTag<InputTagSpecialOutputValueList>("values", "outputs", std::vector<std::string>{"depth", "velocity"});
        addTag<InputTagEnum<Law>>("law", "a law",
                                  std::vector<std::pair<std::string, Law>>{{"strickler", Law::Strickler},
                                                                           {"manning", Law::Manning}})
            .setDefault("manning");
        addInt("big", "an integer");
        addTag<InputTagStringStd>("plain", "a string");
        addTag<InputTagList<double>>("reals", "bounded reals").setRange(0.0, 1.0).setReasonableMax(0.5);
    }
};

class KindsSchema : public InputBlock {
public:
    KindsSchema() : InputBlock("FLUMARIS") {}

protected:
    void declare() override { addBlock<KindsBlock>(); }
};

class KindsRoot final : public InputRoot {
public:
    KindsRoot() : InputRoot(buildSchemaTree<KindsSchema>()) {}
};

// Parses one tag line; returns the tag, or the error text through `error`.
const InputTag* parseTag(KindsRoot& root, const std::string& line, std::string& error) {
    try {
        InputParser(true).parseText("K {\n" + line + "\n}\n", root);
    } catch (const std::exception& e) {
        error = e.what();
        // Drop the position, keep the tag's own message.
        error = error.substr(error.find(": ") + 2);
        return nullptr;
    }
    const std::string name = line.substr(0, line.find(' '));
    return &root.getBlock("K").getTag(name);
}

std::string errorOf(const std::string& line) {
    KindsRoot root;
    std::string error;
    parseTag(root, line, error);
    return error;
}

}  // namespace

TEST(TagKinds, SlopesAndEnumerations) {
    KindsRoot a;
    std::string e;
    EXPECT_DOUBLE_EQ(parseTag(a, "slope = 1:250", e)->asDouble(), 0.004);
    KindsRoot b;
    EXPECT_DOUBLE_EQ(parseTag(b, "slope = 0.002", e)->asDouble(), 0.002);
    EXPECT_EQ(errorOf("slope = 1:0"), "The slope '1:0' divides by zero");
    KindsRoot c;
    EXPECT_EQ(parseTag(c, "law = strickler", e)->asInt(), 3);
    KindsRoot d;
    InputParser(true).parseText("K {\n}\n", d);
    EXPECT_EQ(d.getBlock("K").getTag("law").asInt(), 7);  // the default
    EXPECT_EQ(d.getBlock("K").getTag("law").typeName(), "enumeration");
    EXPECT_EQ(errorOf("law = chezy"), "Expression 'chezy' is not a valid value for tag 'law'. Allowed values are strickler, manning");
    EXPECT_EQ(errorOf("big = 3000000000"), "Value '3000000000' does not fit into an integer");
}

TEST(TagKinds, NestedLists) {
    KindsRoot a;
    std::string e;
    const InputTag* t = parseTag(a, "tagged = ( gate1 ( 1 0.5 0 ) gate2 (2,0,0) )", e);
    ASSERT_NE(t, nullptr) << e;
    EXPECT_EQ(t->asStringList(), (std::vector<std::string>{"gate1", "gate2"}));
    EXPECT_EQ(t->asDoubleListList(), (std::vector<std::vector<double>>{{1, 0.5, 0}, {2, 0, 0}}));
    EXPECT_EQ(errorOf("tagged = ( gate1 gate2 ( 1 ) )"),
              "A tagged list consists of names each followed by a sublist, e.g. '( name1 ( 1 2 ) name2 ( 3 4 ) )'");
    KindsRoot b;
    EXPECT_EQ(parseTag(b, "pairs = ( (1 2) (3,4) )", e)->asIntListList(), (std::vector<std::vector<int>>{{1, 2}, {3, 4}}));
    EXPECT_EQ(errorOf("pairs = ( (1 2) (3) )"), "Sublist nr. 2 has 1 items but 2 are expected");
    EXPECT_EQ(errorOf("pairs = ( (1 2) 3 )"), "List and sublists must start with '(' and end with ')'");
    EXPECT_EQ(errorOf("pairs = ( (1 2) (1 2) (1 2) (1 2) )"),
              "Expected up to 3 items in list  '( (1 2) (1 2) (1 2) (1 2) )' but found 4");
    EXPECT_EQ(errorOf("pairs = ( (1 x) )"), "List item nr. 2 is invalid: Character 'x' is invalid for an integer");
}

TEST(TagKinds, OutputValuesStringsAndListRanges) {
    KindsRoot a;
    std::string e;
    EXPECT_EQ(parseTag(a, "values = ( depth velocity )", e)->asStringList(),
              (std::vector<std::string>{"depth", "velocity"}));
    EXPECT_EQ(errorOf("values = ( depth wse )"),
              "List item nr. 2 is invalid: 'wse' is not an output value. Valid values are depth, velocity");
    KindsRoot b;
    EXPECT_EQ(parseTag(b, "plain = a  b", e)->asString(), "a  b");
    KindsRoot c;
    InputParser(true).parseText("K {\n reals = ( 0.2 0.7 1.5 )\n}\n", c);
    const ValidationReport r = c.validate();
    const InputTag& reals = c.getBlock("K").getTag("reals");
    EXPECT_EQ(reals.errors(), (std::vector<std::string>{"Value '1.5' is not in range 0 <= x <= 1"}));
    EXPECT_EQ(reals.warnings(), (std::vector<std::string>{"Value '0.7' is not in the reasonable range x <= 0.5"}));
    EXPECT_EQ(r.text.rfind("Input file has 1 warning and 1 error:\n", 0), 0u);
    EXPECT_EQ(reals.rangeText(), "0 &lt;= x &lt;= 1");
}
