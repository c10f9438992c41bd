#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "GoldenFile.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/blocks/IRGeo1DInputRoot.h"
#include "input/blocks/IRctrlmonitoredvar.h"
#include "input/syntax/InputEcho.h"
#include "input/syntax/InputParser.h"

using namespace FLUMparse;

namespace {

const std::string kData = std::string(FLUM_TEST_DATA) + "/input/";

// Parses a file of tests/data/input with the data folder as project directory.
ValidationReport parseData(InputBlock& root, const std::string& name) {
    Flumaris::settings().projectDirectory_ = kData;
    InputParser(true).parse(kData + name, root);
    ValidationReport r = root.validate();
    Flumaris::settings().projectDirectory_.clear();
    return r;
}

std::string valueErrorOf(const std::string& text) {
    FlumarisInputRoot root;
    try {
        InputParser(true).parseText(text, root);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(BlockTree, EveryBlockSitsAtItsPlace) {
    FlumarisInputRoot root;
    const InputBlock& s = root.schema();
    // Each path: names from the root; the last must exist under the others.
    const std::vector<std::vector<std::string>> paths = {
        {"PROJECT"}, {"DOMAIN", "PARALLEL"}, {"DOMAIN", "PHYSICAL_PROPERTIES"},
        {"DOMAIN", "COUPLINGS", "PARAMETER"}, {"DOMAIN", "COUPLINGS", "COUPLING", "HYDRAULICS"},
        {"DOMAIN", "COUPLINGS", "COUPLING", "BEDLOAD"}, {"DOMAIN", "COUPLINGS", "COUPLING", "SUSPENSION"},
        {"DOMAIN", "COUPLINGS", "COUPLING", "SUBSURFACE"}, {"DOMAIN", "COUPLINGS", "COUPLING_LATERAL"},
        {"DOMAIN", "CONTROLLER", "MONITORED_VARIABLE"}, {"DOMAIN", "CONTROLLER", "MANIPULATED_VARIABLE"},
        {"DOMAIN", "FLUMCHAIN_1D", "HYDRAULICS", "PARAMETER", "SECTION_COMPUTATION"},
        {"DOMAIN", "FLUMCHAIN_1D", "HYDRAULICS", "SOURCE", "EXTERNAL_SOURCE"},
        {"DOMAIN", "FLUMCHAIN_1D", "HYDRAULICS", "INNER_BOUNDARY"},
        {"DOMAIN", "FLUMCHAIN_1D", "MORPHOLOGY", "BEDMATERIAL", "SOIL_DEF", "LAYER"},
        {"DOMAIN", "FLUMCHAIN_1D", "MORPHOLOGY", "SUSPENDED_LOAD", "SOURCE", "EXTERNAL_SOURCE"},
        {"DOMAIN", "FLUMCHAIN_1D", "MORPHOLOGY", "SOURCE", "EXTERNAL_SOURCE"},
        {"DOMAIN", "FLUMCHAIN_1D", "OUTPUT", "SPECIAL_OUTPUT"}, {"DOMAIN", "FLUMCHAIN_1D", "TIMESTEP"},
        {"DOMAIN", "FLUMPLANE_2D", "GEOMETRY", "STRINGDEF"}, {"DOMAIN", "FLUMPLANE_2D", "HYDRAULICS", "TURBULENCE_MODEL"},
        {"DOMAIN", "FLUMPLANE_2D", "HYDRAULICS", "SOURCE", "EXTERNAL_SOURCE"},
        {"DOMAIN", "FLUMPLANE_2D", "MORPHOLOGY", "BEDMATERIAL", "RETENTION_MODEL"},
        {"DOMAIN", "FLUMPLANE_2D", "MORPHOLOGY", "BEDMATERIAL", "FIXED_BED"},
        {"DOMAIN", "FLUMPLANE_2D", "MORPHOLOGY", "GRAVITATIONAL_TRANSPORT"},
        {"DOMAIN", "FLUMPLANE_2D", "MORPHOLOGY", "BEDLOAD", "BOUNDARY"},
        {"DOMAIN", "FLUMPLANE_2D", "MORPHOLOGY", "SUSPENDED_LOAD", "SOURCE", "EXTERNAL_SOURCE"},
        {"DOMAIN", "FLUMPLANE_2D", "OUTPUT", "SPECIAL_OUTPUT"}, {"DOMAIN", "FLUMPLANE_2D", "TIMESTEP"},
        {"DOMAIN", "FLUMSUB", "MATERIAL", "SOIL_DEF", "ZONE"}, {"DOMAIN", "FLUMSUB", "GEOMETRY", "ZONE"},
        {"DOMAIN", "FLUMSUB", "SOURCE", "EXTERNAL_SOURCE"}, {"DOMAIN", "FLUMSUB", "OUTPUT", "SPECIAL_OUTPUT"},
        {"DOMAIN", "FLUM_EXTERN", "BOUNDARY"},
    };
    for (const auto& p : paths) {
        const InputBlock* b = &s;
        for (const auto& n : p) {
            b = b->definitionOf(n);
            ASSERT_NE(b, nullptr) << n;
        }
    }
    // Blocks that belong elsewhere are absent where they do not belong.
    EXPECT_EQ(s.definitionOf("DOMAIN")->definitionOf("FLUMCHAIN_1D")->definitionOf("MORPHOLOGY")->definitionOf(
                  "GRAVITATIONAL_TRANSPORT"),
              nullptr);
    EXPECT_EQ(s.definitionOf("DOMAIN")->definitionOf("FLUMPLANE_2D")->definitionOf("HYDRAULICS")->definitionOf(
                  "SECTION_COMPUTATION"),
              nullptr);
    EXPECT_TRUE(s.definitionOf("DOMAIN")->compulsory());
    EXPECT_TRUE(s.definitionOf("DOMAIN")->definitionOf("FLUMPLANE_2D")->repeatable());
    EXPECT_FALSE(s.definitionOf("DOMAIN")->definitionOf("COUPLINGS")->repeatable());
    EXPECT_EQ(s.definitionOf("DOMAIN")->definitionOf("CONTROLLER")->path(), "DOMAIN/CONTROLLER");

    IRGeo1DInputRoot geo;
    ASSERT_NE(geo.schema().definitionOf("CROSS_SECTION"), nullptr);
    EXPECT_NE(geo.schema().definitionOf("CROSS_SECTION")->definitionOf("SOIL_DEF"), nullptr);
    EXPECT_EQ(geo.name(), "FLUMCHAIN_GEOMETRY");
}

TEST(BlockTree, ValidCommandFilePassesAndReadsBack) {
    FlumarisInputRoot root;
    const ValidationReport r = parseData(root, "valid.fmc");
    EXPECT_EQ(r.text, "Input file has been successfully parsed and passed preliminary validation");
    const InputBlock& domain = root.getBlock("DOMAIN");
    EXPECT_EQ(domain.getBlock("PARALLEL").getTag("number_threads").asInt(), 2);
    // Subdomains in file order, across their block names.
    std::vector<std::string> kinds;
    for (const InputBlock* b : domain.children()) kinds.push_back(b->name());
    EXPECT_EQ(kinds, (std::vector<std::string>{"PARALLEL", "PHYSICAL_PROPERTIES", "FLUMCHAIN_1D", "FLUMPLANE_2D",
                                               "COUPLINGS", "CONTROLLER"}));
    EXPECT_EQ(domain.getBlock("FLUMPLANE_2D").getTag("region_name").asString(), "floodplain");
    const InputBlock& couplings = domain.getBlock("COUPLINGS");
    EXPECT_EQ(couplings.getBlock("PARAMETER").getTag("max_time_level").asInt(), 4);
    EXPECT_EQ(couplings.getBlock("PARAMETER").getTag("packet_size").asInt(), 1000);
    EXPECT_EQ(couplings.numBlocks("COUPLING"), 2u);
    const InputBlock& seq = couplings.getBlock("COUPLING");
    EXPECT_TRUE(seq.getTag("two_way_coupling").asBool());
    EXPECT_EQ(seq.getTag("check").asString(), "yes");
    EXPECT_EQ(seq.getBlock("HYDRAULICS").getTag("upstream_interface").asString(), "outflow");
    EXPECT_DOUBLE_EQ(couplings.getBlock("COUPLING", 1).getTag("espilon").asDouble(), 1e-6);
    EXPECT_EQ(couplings.getBlock("COUPLING_LATERAL").getTag("connections_index").asIntList(),
              (std::vector<int>{1, 2, 3}));
    const InputBlock& ctrl = domain.getBlock("CONTROLLER");
    const InputBlock& mon = ctrl.getBlock("MONITORED_VARIABLE");
    EXPECT_EQ(mon.getTag("type").asInt(), static_cast<int>(MonitorVarType::WSE));
    EXPECT_EQ(mon.getTag("root_value_type").asInt(), static_cast<int>(RootValueType::TimeSeries));
    EXPECT_EQ(mon.getTag("coefficients").asStringList(), (std::vector<std::string>{"gate"}));
    EXPECT_EQ(mon.getTag("coefficients").asDoubleListList(), (std::vector<std::vector<double>>{{0.5, 0.01, 0.0}}));
    EXPECT_EQ(ctrl.getBlock("MANIPULATED_VARIABLE").getTag("range").asDoubleList(), (std::vector<double>{0.0, 2.5}));
    EXPECT_EQ(ctrl.getBlock("MANIPULATED_VARIABLE").getTag("range").units(), "[m rel.]");

    // The echo is a command file of its own, with the same echo.
    FlumarisInputRoot again;
    InputParser(true).parseText(echoInput(root), again);
    EXPECT_EQ(echoInput(again), echoInput(root));
}

TEST(BlockTree, ReportOfACommandFileWithMistakesInSeveralBlocks) {
    FlumarisInputRoot root;
    const ValidationReport r = parseData(root, "mistakes.fmc");
    EXPECT_TRUE(r.hasErrors());
    std::string text = r.text;
    // The report names the file as given; keep the golden text independent of the checkout.
    for (size_t p; (p = text.find(kData)) != std::string::npos;) text.replace(p, kData.size(), "<data>/");
    expectGolden("input_report_blocktree.txt", text);
}

TEST(BlockTree, ValueErrorsOfRunControlKeys) {
    EXPECT_EQ(valueErrorOf("DOMAIN {\n COUPLINGS {\n PARAMETER {\n max_time_level = 3\n }\n }\n}\n"),
              "Tag value error near line 4, col 20: Expression '3' is not a valid value for tag 'max_time_level'. "
              "Allowed values are 32, 16, 8, 4, 2, 1");
    EXPECT_EQ(valueErrorOf("DOMAIN {\n COUPLINGS {\n COUPLING {\n type = lateral\n }\n }\n}\n"),
              "Tag value error near line 4, col 16: Expression 'lateral' is not a valid value for tag 'type'. Allowed "
              "values are sequential, junction, bifurcation, riemann, confluence_wse, external");
    EXPECT_EQ(valueErrorOf("DOMAIN {\n CONTROLLER {\n MONITORED_VARIABLE {\n type = h\n }\n }\n}\n"),
              "Tag value error near line 4, col 10: Expression 'h' is not a valid value for tag 'type'. Allowed "
              "values are wse, Q");
    EXPECT_EQ(valueErrorOf("DOMAIN {\n PARALLEL {\n number_threads = 1.5\n }\n}\n"),
              "Tag value error near line 3, col 22: Non numeric character '.' found");
    EXPECT_EQ(valueErrorOf("DOMAIN {\n PHYSICAL_PROPERTY {\n"),
              "Parse error near line 2, col 20: Block named 'PHYSICAL_PROPERTY' is not a valid block name within "
              "block 'DOMAIN'. Valid blocks are PARALLEL, PHYSICAL_PROPERTIES, FLUMCHAIN_1D, FLUMPLANE_2D, FLUMSUB, "
              "FLUM_EXTERN, COUPLINGS, CONTROLLER.");
}

TEST(BlockTree, PhysicalPropertiesReachTheSettings) {
    Flumaris::ProgramSettings::resetToDefaults();
    FlumarisInputRoot root;
    InputParser(true).parseText("DOMAIN {\n PHYSICAL_PROPERTIES {\n gravity = 4.0\n rho_fluid = 1020\n }\n}\n", root);
    applyPhysicalProperties(root);
    const auto& s = Flumaris::settings();
    EXPECT_DOUBLE_EQ(s.gravity(), 4.0);
    EXPECT_DOUBLE_EQ(s.sqrtGravity(), 2.0);
    EXPECT_DOUBLE_EQ(s.invGravity(), 0.25);
    EXPECT_DOUBLE_EQ(s.waterDensity_, 1020.0);
    EXPECT_DOUBLE_EQ(s.kinematicViscosity_, 1.0e-6);  // absent: kept
    Flumaris::ProgramSettings::resetToDefaults();

    FlumarisInputRoot none;
    InputParser(true).parseText("DOMAIN {\n}\n", none);
    applyPhysicalProperties(none);
    EXPECT_DOUBLE_EQ(Flumaris::settings().gravity(), 9.81);
}

TEST(BlockTree, GeometryFileSchema) {
    IRGeo1DInputRoot geo;
    const ValidationReport r = parseData(geo, "sections.fmg");
    const auto sections = geo.getBlocks("CROSS_SECTION");
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0]->getTag("node_coords").asDoubleListList(),
              (std::vector<std::vector<double>>{{0, 10}, {5, 8}, {10, 8.5}, {15, 10}}));
    EXPECT_EQ(sections[1]->getTag("node_coords").asDoubleListList(),
              (std::vector<std::vector<double>>{{0, 9.5}, {6, 7.5}, {12, 9.6}}));
    EXPECT_EQ(sections[0]->getTag("friction_ranges").asDoubleListList(),
              (std::vector<std::vector<double>>{{0, 5}, {5, 15}}));
    EXPECT_EQ(sections[0]->getBlock("SOIL_DEF").getTag("slice_indexes").asIntList(), (std::vector<int>{1, 3}));
    EXPECT_DOUBLE_EQ(sections[1]->getTag("theta_critic").asDouble(), -1.0);
    std::string text = r.text;
    for (size_t p; (p = text.find(kData)) != std::string::npos;) text.replace(p, kData.size(), "<data>/");
    expectGolden("input_report_geometry.txt", text);

    IRGeo1DInputRoot bad;
    try {
        InputParser(true).parseText("CROSS_SECTION {\n node_coords = ( (0 1) (2) )\n}\n", bad);
        ADD_FAILURE();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Tag value error near line 2, col 29: Node coordinate nr. 2 has 1 values but 2 are expected");
    }
}

TEST(BlockTree, TenMegabyteFileParsesQuickly) {
    // Long node lists as in a surveyed river: ~10 MB.
    std::string text;
    text.reserve(11u << 20);
    const int sections = 3000;
    const int nodes = 250;
    for (int s = 0; s < sections; ++s) {
        text += "CROSS_SECTION {\n   name = cs" + std::to_string(s) + "\n   distance_coord = " +
                std::to_string(s * 0.1) + "\n   node_coords = (";
        for (int n = 0; n < nodes; ++n)
            text += " (" + std::to_string(n * 0.5).substr(0, 5) + " " + std::to_string(400.0 + (n % 7) * 0.25).substr(0, 6) + ")";
        text += " )\n}\n";
    }
    ASSERT_GT(text.size(), 9u << 20);
    ASSERT_LT(text.size(), 12u << 20);
    const auto t0 = std::chrono::steady_clock::now();
    IRGeo1DInputRoot geo;
    InputParser(true).parseText(text, geo);
    const ValidationReport r = geo.validate();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("parsed and validated %.1f MB in %.3f s\n", text.size() / 1048576.0, seconds);
    EXPECT_FALSE(r.hasErrors());
    const auto list = geo.getBlocks("CROSS_SECTION");
    ASSERT_EQ(list.size(), static_cast<size_t>(sections));
    const auto coords = list.back()->getTag("node_coords").asDoubleListList();
    ASSERT_EQ(coords.size(), static_cast<size_t>(nodes));
    EXPECT_DOUBLE_EQ(coords[199][0], 99.5);
    EXPECT_DOUBLE_EQ(coords[199][1], 400.0 + (199 % 7) * 0.25);
    EXPECT_DOUBLE_EQ(coords[249][0], 124.5);
}
