// The geometry file: every validation message with file and line, the
// sections built from a valid file, and the topography restart round trip.
#include <fmt/format.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

#include "ChainFixture.h"
#include "chain/FCGrid.h"
#include "chain/FCSectionFiles.h"
#include "chain/FCTopoRestartFMG.h"
#include "core/MessageService.h"

using FlumChain::InputTopoFMG;

namespace {

// Lines 1-4: block, name, distance (km), nodes at y 0, 2, 6, 8; extra lines from 5.
std::string section(const std::string& name, double km, const std::string& extra = "",
                    const std::string& nodes = "( (0 3) (2 0) (6 0) (8 3) )") {
    return "CROSS_SECTION {\n   name = " + name + "\n   distance_coord = " + fmt::format("{}", km) +
           "\n   node_coords = " + nodes + "\n" + extra + "}\n";
}

struct BadCase {
    std::string text;
    int line;
    std::string message;
};

}  // namespace

class InputTopoFMGTest : public ChainFixture {};

TEST_F(InputTopoFMGTest, EachMistakeGetsItsMessageWithFileAndLine) {
    const std::string two = section("a", 1.0);  // second section from line 6
    const std::vector<BadCase> cases = {
        {two + section("a", 1.1), 7, "Cross section number 2 has a name 'a' which is already used by another one"},
        {two + section("b", 0.9), 8, "The cross section 'b' has a smaller distance coordinate than the previous"},
        {two + section("b", 1.1, "   interpolation_fixpoints = ( 1 4 )\n"), 10,
         "The cross section 'b' has 2 interpolation_fixpoints, while the first cross section has 0"},
        {two + section("b", 1.1, "", "( (0 3) (2 0) (1.5 0) (8 3) )"), 9,
         "Node 3 has not a larger or equal section coordinate (1.5) than the previous (2) in cross section 'b'."},
        {section("a", 1, "   interpolation_fixpoints = ( 1 5 )\n"), 5,
         "The 'interpolation_fixpoint' nr. 2 (5) is not within the valid range [1,4]."},
        {section("a", 1, "   interpolation_fixpoints = ( 3 2 )\n"), 5,
         "The 'interpolation_fixpoint' nr. 1 (3) is invalid as he is larger than the following one."},
        {section("a", 1, "   table_fixed_lower_limit = 3.5\n"), 5,
         "The 'table_fixed_lower_limit' (3.5) is above the maximum elevation of the cross section (3). This is surely "
         "wrong ..."},
        {section("a", 1, "   reference_height = 10\n   table_fixed_lower_limit = 9\n"), 6,
         "The 'table_fixed_lower_limit' (9) is below the minimum elevation of the cross section (10). This is surely "
         "wrong ..."},
        {section("a", 1, "   table_fixed_points = ( 1 4 )\n"), 5,
         "The fixed point nr. 2 (4) is above the highest point of the cross section (3)."},
        {section("a", 1, "   table_fixed_points = ( -0.5 )\n"), 5,
         "The fixed point nr. 1 (-0.5) is below the lowest point of the cross section (0)."},
        {section("a", 1, "   friction_coefficients = ( 30 25 )\n   friction_slice_indexes = ( (1 2) )\n"), 5,
         "There are 1 friction ranges defined and 2 coefficients. The number of coefficients and ranges must match."},
        {section("a", 1, "   water_flow_range = ( 0 2 6 8 )\n"), 5, "Only one flow range is allowed in cross section: a"},
        {section("a", 1, "   main_channel_range = ( 2 6 )\n   water_flow_range = ( 6 8 )\n"), 6,
         "The flowing area should cover the whole main channel in cross section a"},
        {section("a", 1, "   main_channel_range = ( 0 8 )\n   water_flow_range = ( 2 8 )\n"), 6,
         "The left of flowing area (2) should be on the left of the main channel (0) in cross section a"},
        {section("a", 1, "   main_channel_range = ( 2 8 )\n   water_flow_slice_indexes = ( 1 2 )\n"), 6,
         "The right of flowing area (6) should be on the right of the main channel (8) in cross section a"},
        {section("a", 1, "   main_channel_range = ( 2 6 8 )\n"), 5,
         "The range of tag 'main_channel_range' should consist of two numbers, but I found 3"},
        {section("a", 1, "   main_channel_range = ( 6 2 )\n"), 5,
         "The range (6 2) of tag 'main_channel_range' are not in ascending order"},
        {section("a", 1, "   active_range = ( 1 6 )\n"), 5,
         "The left boundary of the range (1) of tag 'active_range' does not correspond to a node coordinate."},
        {section("a", 1, "   friction_coefficients = ( 20 )\n   friction_ranges = ( (2 7) )\n"), 6,
         "The right boundary of the range (7) of tag 'friction_ranges' does not correspond to a node coordinate."},
        {section("a", 1, "   bottom_slice_indexes = ( 0 2 )\n"), 5,
         "The first slice index (0) of tag 'bottom_slice_indexes' must be >= 1"},
        {section("a", 1, "   bottom_slice_indexes = ( 1 4 )\n"), 5,
         "The last slice index (4) of tag 'bottom_slice_indexes' must be less or equal the number of slices (3) in "
         "the cross section."},
        {section("a", 1, "   SOIL_DEF {\n      index = 1\n      range = ( 0 2 6 )\n   }\n"), 7,
         "The tag 'range' expects exactly two values but found 3"},
        {section("a", 1, "   SOIL_DEF {\n      index = 1\n      slice_indexes = ( 0 1 )\n   }\n"), 7,
         "The lower limit (0) of 'slice_indexes' is less than 1. The slice counts start at 1."},
        {section("a", 1, "   SOIL_DEF {\n      index = 1\n      slice_indexes = ( 1 5 )\n   }\n"), 7,
         "The upper limit (5) of 'slice_indexes' is more than the number of slices (3). The slice counts start at 1."},
        {section("a", 1,
                 "   SOIL_DEF {\n      index = 1\n      slice_indexes = ( 1 2 )\n   }\n"
                 "   SOIL_DEF {\n      index = 2\n      range = ( 6 8 )\n   }\n"
                 "   SOIL_DEF {\n      index = 3\n      slice_indexes = ( 2 2 )\n   }\n"),
         13, "The soil definition intersects with the soil definition nr. 1. You can't define the soil twice."},
    };
    const std::string path = (dir_ / "bad.fmg").string();
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf(c.text), fmt::format("Error in the geometry file '{}' on line {}:\n{}", path, c.line, c.message));
    }
    // Syntax and schema errors stop before any section is read.
    EXPECT_EQ(errorOf("CROSS_SECTION {\n   name = a\n   distance = 1\n}\n").rfind(
                  "Error creating the topography in 1D.\nThe geometry file '" + path + "' could not be read: ", 0),
              0u);
    const std::string schema = errorOf("CROSS_SECTION {\n   distance_coord = 1\n   node_coords = ( (0 1) (1 0) )\n}\n");
    EXPECT_EQ(schema.rfind("Error creating the topography in 1D.\n", 0), 0u);
    EXPECT_NE(schema.find("Tag 'name' is mandatory but missing."), std::string::npos);
}

TEST_F(InputTopoFMGTest, RangesFrictionAndSoilsReachTheSlices) {
    auto topo = read(write("ok.fmg", section("a", 1.5,
                                             "   reference_height = 100\n"
                                             "   main_channel_range = ( 2 6 )\n"
                                             "   active_slice_indexes = ( 1 3 )\n"
                                             "   default_friction = 25\n"
                                             "   friction_coefficients = ( 40 )\n"
                                             "   friction_ranges = ( (2 6) )\n"
                                             "   SOIL_DEF {\n      index = 4\n      slice_indexes = ( 3 3 )\n   }\n",
                                             "( (0 3) (2 0) (2 0) (6 0) (8 3) )")));
    Flumaris::CrossSection& s = topo->sections().at(0);
    EXPECT_DOUBLE_EQ(s.lCoord(), 1500.0);
    EXPECT_DOUBLE_EQ(s.ground(), 100.0);
    ASSERT_EQ(s.numSlices(), 4u);
    // the range (2 6) takes the vertical slice at y = 2 and the bed slice
    EXPECT_EQ(s.startMain(), 2);
    EXPECT_EQ(s.stopMain(), 3);
    EXPECT_EQ(s.startBottom(), 2);  // the bed zone defaults to the main channel
    EXPECT_EQ(s.stopBottom(), 3);
    const auto& sl = s.slices();
    EXPECT_EQ(sl[0].kValue_, 25.0);
    EXPECT_EQ(sl[1].kValue_, 40.0);
    EXPECT_EQ(sl[2].kValue_, 40.0);
    EXPECT_EQ(sl[3].kValue_, 25.0);
    EXPECT_EQ(sl[2].soil_, 4);
    EXPECT_EQ(sl[3].activ_, 0);
    EXPECT_DOUBLE_EQ(sl[3].rightPoint_[2], 103.0);
    s.prepare();
    EXPECT_DOUBLE_EQ(s.rightDike()[1], 6.0);
    EXPECT_DOUBLE_EQ(s.highestLevel(), 103.0);
}

TEST_F(InputTopoFMGTest, RestartWriterRoundTripsTheGeometry) {
    const std::string path = write("reach.fmg", "// a reach\n" + section("a", 1.0, "   reference_height = 400.3\n") +
                                                    section("unused", 1.05, "   reference_height = 7\n") +
                                                    section("b", 1.1, "   interpolated = yes\n   SOIL_DEF {\n      index = 1\n   }\n",
                                                            "( (0 3.1) (2 0.1) (6 0.05) (8 3.3) )"));
    auto topo = read(path);
    FlumChain::Grid grid(*topo, {"a", "b"});
    const FlumChain::TopoRestartFMG restart(*topo, grid);
    EXPECT_EQ(restart.fileName(), (dir_ / "reach_topo_restart.fmg").string());
    restart.write(3600.0);
    std::ifstream in(restart.fileName());
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "// topology at 3600 s");

    auto again = read(restart.fileName());
    ASSERT_EQ(again->sections().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Flumaris::CrossSection& a = topo->sections()[i];
        const Flumaris::CrossSection& b = again->sections()[i];
        EXPECT_EQ(a.name(), b.name());
        EXPECT_EQ(a.lCoord(), b.lCoord());
        ASSERT_EQ(a.nodes().size(), b.nodes().size());
        for (std::size_t k = 0; k < a.nodes().size(); ++k) EXPECT_EQ(a.nodes()[k], b.nodes()[k]) << a.name() << " node " << k;
    }
    EXPECT_EQ(again->sections()[2].slices()[0].soil_, 1);
    // The section files of the chain.
    FlumChain::writeTablesFile(grid, (dir_ / "river").string());
    std::ifstream tables(dir_ / "riverTables.txt");
    std::string l1, l2, l3;
    std::getline(tables, l1);
    std::getline(tables, l2);
    std::getline(tables, l3);
    EXPECT_EQ(l1, "cross section: a");
    EXPECT_EQ(l2, "nr       elevat.          area          ared    conveyance         width    Hperimeter");
    EXPECT_EQ(l3, "    [m asl.]         [m&2]         [m&2]       [m&3/s]           [m]           [m]");
    FlumChain::dumpSections(grid, dir_.string());
    std::ifstream dump(dir_ / "dump_crosssection_b.dat");
    std::stringstream ss;
    ss << dump.rdbuf();
    EXPECT_EQ(ss.str().rfind("sectionName_ = b\nlCoord_ = 1100\n", 0), 0u);
    EXPECT_NE(ss.str().find("--------------- slice 3----------------\nwidth_ = 2\n"), std::string::npos);
}
