// The reference pages (-doc) show every block's description and example, and
// users copy the examples into their command files. Each example must therefore
// parse at its place in a fresh block tree and validate without any error or
// warning of its own, and no block may be left with a stub text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/Flumaris.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/syntax/InputParseError.h"
#include "input/syntax/InputParser.h"

using namespace FLUMparse;
namespace fs = std::filesystem;

namespace {

// Blocks whose texts are deliberately not held to the bar (a path ending in "/*"
// covers the block and everything below it).
struct LeftAlone {
    const char* path;
    const char* reason;
};
const LeftAlone kLeftAlone[] = {
    {"DOMAIN/FLUMCHAIN_1D/MORPHOLOGY/*", "sediment blocks: several get their keys with the morphology modules"},
    {"DOMAIN/FLUMPLANE_2D/MORPHOLOGY/*", "sediment blocks: several get their keys with the morphology modules"},
    {"DOMAIN/FLUM_EXTERN/BOUNDARY", "declares no keys, so its example can only be empty"},
    {"DOMAIN/FLUMSUB/BOUNDARY", "declares no keys"},
    {"DOMAIN/FLUMSUB/GEOMETRY/ZONE", "declares no keys"},
    {"DOMAIN/FLUMSUB/INITIAL", "declares no keys"},
    {"DOMAIN/FLUMSUB/MATERIAL/SOIL_DEF/RETENTION_MODEL", "declares no keys"},
    {"DOMAIN/FLUMSUB/MATERIAL/SOIL_DEF/ZONE", "declares no keys"},
    {"DOMAIN/FLUMSUB/OUTPUT/SPECIAL_OUTPUT", "declares no keys"},
    {"DOMAIN/FLUMSUB/PARAMETER", "declares no keys"},
    {"DOMAIN/FLUMSUB/SOURCE/EXTERNAL_SOURCE", "declares no keys"},
    {"DOMAIN/FLUMSUB/TIMESTEP", "declares no keys"},
};

bool matches(const LeftAlone& l, const std::string& path) {
    const std::string p = l.path;
    if (!p.ends_with("/*")) return path == p;
    const std::string top = p.substr(0, p.size() - 2);
    return path == top || path.rfind(top + "/", 0) == 0;
}

const LeftAlone* leftAlone(const std::string& path) {
    for (const LeftAlone& l : kLeftAlone)
        if (matches(l, path)) return &l;
    return nullptr;
}

std::vector<const InputBlock*> allBlocks(const InputBlock& schema) {
    std::vector<const InputBlock*> out;
    std::function<void(const InputBlock&)> walk = [&](const InputBlock& b) {
        for (const auto& c : b.blockDefinitions()) {
            out.push_back(c.get());
            walk(*c);
        }
    };
    walk(schema);
    return out;
}

// Names of the blocks from the top of the command file down to b (b included).
std::vector<std::string> namesTo(const InputBlock& b) {
    std::vector<std::string> names;
    for (const InputBlock* p = &b; p->parent(); p = p->parent()) names.insert(names.begin(), p->name());
    return names;
}

// The text between the example's outer braces without comments; blank when the example shows nothing.
std::string bodyOf(const std::string& example) {
    const size_t open = example.find('{'), close = example.rfind('}');
    if (open == std::string::npos || close == std::string::npos || close < open) return example;
    std::string body = example.substr(open + 1, close - open - 1);
    InputParser::prepare(body);
    return body;
}

bool blank(const std::string& s) { return s.find_first_not_of(" \t\n") == std::string::npos; }

// Every file an example names is created (empty) below the project directory,
// so that the file keys validate.
void createNamedFiles(const InputBlock& b) {
    for (const InputTag* t : b.setTags()) {
        std::string path;
        if (auto* f = dynamic_cast<const InputTagFile*>(t)) path = f->path();
        if (auto* f = dynamic_cast<const InputTagSeriesFile*>(t)) path = f->path();
        if (path.empty()) continue;
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path).flush();
    }
    for (const InputBlock* c : b.children()) createNamedFiles(*c);
}

// Errors and warnings of b, its tags and everything below it.
void collectFindings(const InputBlock& b, std::vector<std::string>& out) {
    for (const auto& e : b.errors()) out.push_back(b.path() + ": " + e);
    for (const auto& w : b.warnings()) out.push_back(b.path() + ": " + w);
    for (const InputTag* t : b.tags()) {
        for (const auto& e : t->errors()) out.push_back(b.path() + "/" + t->name() + ": " + e);
        for (const auto& w : t->warnings()) out.push_back(b.path() + "/" + t->name() + ": " + w);
    }
    for (const InputBlock* c : b.children()) collectFindings(*c, out);
}

// Runs with a scratch project directory that relative file names resolve against.
class BlockExamples : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("flum_examples_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        Flumaris::settings().projectDirectory_ = dir_.string();
    }
    void TearDown() override {
        Flumaris::settings().projectDirectory_.clear();
        fs::remove_all(dir_);
    }

    // Parses an example of b inside b's parent blocks into a fresh tree and
    // returns the findings of the example's own blocks.
    std::vector<std::string> findingsOf(const InputBlock& b, const std::string& example) {
        const std::vector<std::string> names = namesTo(b);
        std::string text;
        for (size_t i = 0; i + 1 < names.size(); ++i) text += names[i] + " {\n";
        text += example + "\n";
        for (size_t i = 0; i + 1 < names.size(); ++i) text += "}\n";

        FlumarisInputRoot root;
        try {
            InputParser(true).parseText(text, root, "example");
        } catch (const InputParseError& e) {
            return {std::string("parse error: ") + e.what()};
        }
        const InputBlock* parent = &root;
        for (size_t i = 0; i + 1 < names.size(); ++i) parent = parent->getChild(names[i]);
        if (!names.empty()) {
            // The example shows this block once and nothing beside it.
            if (parent->children().size() != 1 || parent->children().front()->name() != b.name())
                return {"the example is not one " + b.name() + " block"};
        }
        const InputBlock& shown = names.empty() ? root : *parent->children().front();
        createNamedFiles(shown);
        root.validate();
        std::vector<std::string> findings;
        collectFindings(shown, findings);
        return findings;
    }

    fs::path dir_;
};

}  // namespace

TEST_F(BlockExamples, EveryExampleParsesAtItsPlaceWithoutFindings) {
    FlumarisInputRoot schemaRoot;
    const InputBlock& schema = schemaRoot.schema();
    std::vector<const InputBlock*> blocks = allBlocks(schema);
    blocks.insert(blocks.begin(), &schema);  // the command file itself
    size_t checked = 0;
    for (const InputBlock* b : blocks) {
        if (blank(bodyOf(b->example()))) continue;
        ++checked;
        for (const std::string& f : findingsOf(*b, b->example())) ADD_FAILURE() << "example of " << b->path() << ": " << f;
    }
    EXPECT_GT(checked, 60u);
}

TEST_F(BlockExamples, FaultyExamplesAreCaught) {
    FlumarisInputRoot root;
    const InputBlock& domain = *root.schema().definitionOf("DOMAIN");
    const InputBlock& parallel = *domain.definitionOf("PARALLEL");
    const InputBlock& timestep = *domain.definitionOf("FLUMPLANE_2D")->definitionOf("TIMESTEP");
    const InputBlock& couplingParam = *domain.definitionOf("COUPLINGS")->definitionOf("PARAMETER");
    const struct {
        const InputBlock& block;
        std::string example;
        std::string expected;
    } cases[] = {
        {parallel, "PARALLEL {\n   number_threads = many\n}", "parse error"},
        {timestep, "TIMESTEP {\n   CFL = 0.9\n}", "total_run_time"},
        {timestep, "TIMESTEP {\n   total_run_time = 60\n   CFL = -1\n}", "CFL"},
        {couplingParam, "PARAMETER {\n   server = no\n   port = 5001\n}", "port"},
        {parallel, "PARALLEL {\n   number_threads = 2\n}\nPHYSICAL_PROPERTIES {\n   gravity = 9.81\n}", "not one"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> findings = findingsOf(c.block, c.example);
        bool seen = false;
        for (const auto& f : findings) seen = seen || f.find(c.expected) != std::string::npos;
        EXPECT_TRUE(seen) << c.example;
    }
    // Files named by an example are provided, so a file key alone is no finding.
    const InputBlock& geometry = *domain.definitionOf("FLUMPLANE_2D")->definitionOf("GEOMETRY");
    EXPECT_TRUE(findingsOf(geometry, "GEOMETRY {\n   file = mesh/a.2dm\n}").empty());
}

TEST(BlockTexts, EveryBlockHasADescriptionAndAFilledExample) {
    FlumarisInputRoot root;
    std::vector<const LeftAlone*> used;
    for (const InputBlock* b : allBlocks(root.schema())) {
        const std::string path = b->path();
        if (const LeftAlone* l = leftAlone(path)) {
            used.push_back(l);
            continue;
        }
        EXPECT_GE(b->description().size(), 60u) << path << ": " << b->description();
        EXPECT_FALSE(blank(bodyOf(b->example()))) << path << " shows an empty example";
        EXPECT_EQ(b->example().rfind(b->name() + " {", 0), 0u) << path << " example does not open its block";
    }
    // An entry that covers no block any more is stale.
    for (const LeftAlone& l : kLeftAlone)
        EXPECT_NE(std::find(used.begin(), used.end(), &l), used.end()) << "stale entry " << l.path << " (" << l.reason << ")";
}
