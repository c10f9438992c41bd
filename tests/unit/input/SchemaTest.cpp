#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "GoldenFile.h"
#include "TestSchema.h"
#include "core/Flumaris.h"
#include "input/syntax/InputParser.h"

using namespace FLUMparse;
using testschema::TRoot;

namespace {

const char* kClean = "Input file has been successfully parsed and passed preliminary validation";

ValidationReport check(TRoot& root, const std::string& text, const std::string& file = "test.fmc") {
    InputParser(true).parseText(text, root, file);
    return root.validate();
}

// Findings of one tag after validation.
std::vector<std::string> errorsOf(const std::string& blockText, const std::string& tag, bool warnings = false) {
    TRoot root;
    check(root, "MUST {\n name = m\n}\nA {\n" + blockText + "\n}\n");
    const InputTag& t = root.getBlock("A").getTag(tag);
    return warnings ? t.warnings() : t.errors();
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(InputSchema, RepeatableBlocksKeepFileOrder) {
    TRoot root;
    check(root, "A {\n n = 1\n}\nMUST {\n name = x\n}\nA {\n n = 2\n}\nA {\n n = 3\n}\n");
    const auto blocks = root.getBlocks("A");
    ASSERT_EQ(blocks.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(blocks[i]->getTag("n").asInt(), i + 1);
    EXPECT_EQ(blocks[2]->line(), 10);
    // children() keeps the file order across block names.
    ASSERT_EQ(root.children().size(), 4u);
    EXPECT_EQ(root.children()[1]->name(), "MUST");
    EXPECT_EQ(root.getChild("EMPTY"), nullptr);
    EXPECT_EQ(blocks[1]->path(), "A");
}

TEST(InputSchema, UnsetTagsAnswerWithTheirDefaults) {
    TRoot root;
    const ValidationReport r = check(root, "MUST {\n name = m\n}\nA {\n INNER {\n }\n}\n");
    EXPECT_FALSE(r.hasErrors());
    const InputBlock& a = root.getBlock("A");
    EXPECT_FALSE(a.isSet("s"));
    EXPECT_EQ(a.getTag("s").asString(), "none");
    EXPECT_FALSE(a.getTag("flag").asBool());
    EXPECT_DOUBLE_EQ(a.getBlock("INNER").getTag("x").asDouble(), 0.5);
    EXPECT_EQ(a.getBlock("INNER").path(), "A/INNER");
}

TEST(InputSchema, RangesAndTheirHtmlTexts) {
    // An exclusive bound is outside. Messages go to the console and the log:
    // plain signs there, HTML entities only in the reference pages.
    EXPECT_EQ(errorsOf("n = 10", "n"), Strings{"Value '10' is not in range 0 <= x < 10"});
    EXPECT_EQ(errorsOf("n = -1", "n"), Strings{"Value '-1' is not in range 0 <= x < 10"});
    EXPECT_TRUE(errorsOf("n = 0", "n").empty());
    EXPECT_EQ(errorsOf("r = 0", "r"), Strings{"Value '0' is not in range x > 0"});
    EXPECT_EQ(errorsOf("r = -0.0", "r"), Strings{"Value '-0.0' is not in range x > 0"});
    // Outside only the reasonable range: a warning, no error.
    EXPECT_TRUE(errorsOf("r = 150", "r").empty());
    EXPECT_EQ(errorsOf("r = 150", "r", true), Strings{"Value '150' is not in the reasonable range x <= 100"});
    // List items obey the ranges too.
    EXPECT_EQ(errorsOf("ints = ( 0 2 )", "ints"), Strings{"Value '0' is not in range x >= 1"});

    InputRange r;
    r.upper = InputBound{2.5, false};
    EXPECT_EQ(r.text(), "x &lt; 2.5");
    r.lower = InputBound{-1e-6, false};
    EXPECT_EQ(r.text(), "-1e-06 &lt; x &lt; 2.5");
    EXPECT_EQ(r.plainText(), "-1e-06 < x < 2.5");
    EXPECT_FALSE(r.contains(2.5));
    EXPECT_TRUE(r.contains(0.0));
}

TEST(InputSchema, StringValidatorsAndPositions) {
    EXPECT_EQ(errorsOf("word = two words", "word"),
              Strings{"The string does not meet the restriction: one word without blanks"});
    EXPECT_TRUE(errorsOf("word = one", "word").empty());
    TRoot root;
    check(root, "MUST {\n name = m\n}\nA {\n pos = river.km12\n}\n");
    const auto& pos = dynamic_cast<const InputTagPosition&>(root.getBlock("A").getTag("pos"));
    EXPECT_EQ(pos.region(), "river");
    EXPECT_EQ(pos.positionName(), "km12");
}

TEST(InputSchema, Conditions) {
    TRoot root;
    const ValidationReport r = check(root, "MUST {\n name = m\n type = two\n only_one = 1\n alpha = 1\n beta = 2\n}\n");
    const InputBlock& m = root.getBlock("MUST");
    EXPECT_EQ(m.getTag("needs_two").errors(), Strings{"Tag 'needs_two' is required if tag 'type' is 'two' but missing."});
    EXPECT_EQ(m.getTag("only_one").warnings(),
              Strings{"The value for tag 'only_one' will not be used as tag 'type' is not 'one'."});
    EXPECT_EQ(m.getTag("beta").errors(), Strings{"Tag 'alpha' and tag 'beta' are exclusive."});
    EXPECT_TRUE(m.getTag("alpha").errors().empty());
    EXPECT_EQ(r.errors, 2);
    EXPECT_EQ(r.warnings, 1);
    // The reference shows the conditions at the tags they name.
    EXPECT_EQ(m.getTag("needs_two").conditionText(), "required if 'type' is 'two'");
    EXPECT_EQ(m.getTag("only_one").conditionText(), "used if 'type' is 'one'");
    EXPECT_EQ(m.getTag("alpha").conditionText(), "exclusive: 'alpha', 'beta'");

    TRoot ok;
    const ValidationReport r2 = check(ok, "MUST {\n name = m\n type = one\n only_one = 1\n}\n");
    EXPECT_EQ(r2.text, kClean);
}

TEST(InputSchema, FilesAreRelativeToTheProjectDirectory) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("flum_input_files_" + std::to_string(::getpid()));
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "q.txt") << "0 1\n";
    const std::string saved = Flumaris::settings().projectDirectory_;
    Flumaris::settings().projectDirectory_ = dir.string();

    class FileBlock final : public InputBlock {
    public:
        FileBlock() : InputBlock("FILES") {}

    protected:
        void declare() override {
            addFile("a", "a file");
            addSeriesFile("b", "a series");
        }
    };
    class FileRootSchema : public InputBlock {
    public:
        FileRootSchema() : InputBlock("FLUMARIS") {}

    protected:
        void declare() override { addBlock<FileBlock>(); }
    };
    class FileRoot final : public InputRoot {
    public:
        FileRoot() : InputRoot(buildSchemaTree<FileRootSchema>()) {}
    };
    FileRoot root;
    InputParser(true).parseText("FILES {\n a = sub\\q.txt\n b = sub/missing.txt\n}\n", root);
    FileRoot dirRoot;
    InputParser(true).parseText("FILES {\n a = sub\n}\n", dirRoot);
    EXPECT_EQ(dirRoot.validate().errors, 1);
    const ValidationReport r = root.validate();
    const InputBlock& f = root.getBlock("FILES");
    EXPECT_EQ(f.getTag("a").asString(), "sub/q.txt");
    EXPECT_TRUE(f.getTag("a").errors().empty());
    EXPECT_EQ(dynamic_cast<const InputTagFile&>(f.getTag("a")).path(), (dir / "sub" / "q.txt").string());
    EXPECT_EQ(f.getTag("b").errors(), Strings{"Can not open file 'sub/missing.txt'"});
    EXPECT_EQ(f.getTag("b").typeName(), "series file");
    EXPECT_EQ(r.errors, 1);

    FileRoot empty;
    try {
        InputParser(true).parseText("FILES {\n a =   \n}\n", empty);
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Tag value error near line 2, col 8: Empty filename received");
    }
    Flumaris::settings().projectDirectory_ = saved;
    fs::remove_all(dir);
}

TEST(InputSchema, EmptyFileReportsEveryMandatoryBlock) {
    TRoot root;
    const ValidationReport r = check(root, "", "empty.fmc");
    EXPECT_TRUE(r.hasErrors());
    EXPECT_EQ(r.text,
              "Input file has 0 warnings and 1 error:\n"
              "Block FLUMARIS (on line 1 in file 'empty.fmc')\n"
              "*ERROR: Block FLUMARIS has 1 error:\n"
              "Block 'MUST' is mandatory but missing.\n");
}

TEST(InputSchema, CleanFileAndRepeatedValidation) {
    TRoot root;
    const ValidationReport r = check(root, "MUST {\n name = m\n}\nA {\n n = 2\n r = 1e-3\n}\n");
    EXPECT_EQ(r.text, kClean);
    EXPECT_EQ(r.errors + r.warnings, 0);
    EXPECT_EQ(root.validate().text, kClean);
}

TEST(InputSchema, ReportListsEveryFindingOnce) {
    TRoot root;
    const std::string text =
        "A {\n"
        "  n = 10\n"
        "  r = 150\n"
        "  word = a b\n"
        "}\n"
        "MUST {\n"
        "  type = two\n"
        "  only_one = 3\n"
        "  alpha = 1\n"
        "  beta = 1\n"
        "}\n"
        "A {\n"
        "  ints = ( 0 1 -5 )\n"
        "}\n";
    const ValidationReport r = check(root, text, "several.fmc");
    EXPECT_EQ(r.errors, 7);
    EXPECT_EQ(r.warnings, 2);
    expectGolden("input_report_framework.txt", r.text);
    // A second validation gives the same report.
    EXPECT_EQ(root.validate().text, r.text);
}

using InputSchemaDeath = ::testing::Test;

TEST(InputSchemaDeath, SchemaMisuseIsAnAssertion) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    class BadMandatory : public InputBlock {
    public:
        BadMandatory() : InputBlock("BAD") {}

    protected:
        void declare() override { addInt("k", "").setDefault("1").setMandatory(); }
    };
    EXPECT_DEATH(buildSchemaTree<BadMandatory>(),
                 "A mandatory input tag can NOT have a default value because everything else would be absolutely "
                 "not logical. So here, tag named 'k' has a default value of '1'");
    TRoot root;
    EXPECT_DEATH(root.getTag("nothing"), "InputBlock: Tag 'nothing' does not exist within block 'FLUMARIS'");
    EXPECT_DEATH(root.getBlocks("NOTHING"), "Block named 'NOTHING' within path FLUMARIS does not exist");
    EXPECT_DEATH(root.getBlock("A", 2),
                 "InputBlock: Block 'A' with index '2' does not exists as only 0 blocks of this type are available.");
    InputParser(true).parseText("A {\n}\n", root);
    // Unset, no default: the caller should have asked isSet().
    EXPECT_DEATH(root.getBlock("A").getTag("n").asInt(), "neither a value nor a default");
    EXPECT_DEATH(root.getBlock("A").getTag("n").asBool(), "can not be read as boolean");
    EXPECT_DEATH(const_cast<InputTag&>(root.getBlock("A").getTag("n")).setUnits("[m]"),
                 "LOGICAL stuff must be applied to the master");
    const InputTag& master = *root.getBlock("A").getTag("n").logicalMaster();
    EXPECT_DEATH(const_cast<InputTag&>(master).setUnits("[m]"),
                 "LOGICAL stuff might not be changed after the tree is beeing populated");
}
