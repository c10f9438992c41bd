#include <gtest/gtest.h>

#include <vector>

#include "plane/mesh/FPEdgeStringSet.h"
#include "plane/mesh/FPElementString.h"
#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPInputSMS.h"
#include "plane/mesh/FPNodeString.h"
#include "unit/plane/mesh/MeshTestUtil.h"

using namespace FlumPlane;
using namespace MeshTest;

namespace {

class Strings : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto dir = freshDir("strings");
        const auto mesh = (dir / "m.2dm").string();
        std::filesystem::copy_file(std::string(FLUM_TEST_DATA) + "/plane/mesh_small.2dm", mesh);
        InputSMS().read(mesh, grid_);
    }
    Grid grid_;
};

}  // namespace

TEST_F(Strings, EdgesFollowTheNodesWithTheirDirection)
{
    // Along the bottom 10 -> 20 -> 30: both edges run the same way as the string.
    EdgeString bottom(grid_, {"bottom", {10, 20, 30}, UpstreamDirection::Left});
    ASSERT_EQ(bottom.edges().size(), 2u);
    EXPECT_EQ(bottom.nodes(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode1_[bottom.edges()[1]]], 20);
    EXPECT_EQ(bottom.edgeSigns(), (std::vector<double>{1.0, 1.0}));
    EXPECT_EQ(bottom.upstreamDirection(), UpstreamDirection::Left);
    // Down the inner edge 50 -> 20, which the grid stores as 20 -> 50.
    EdgeString inner(grid_, {"inner", {50, 20}, UpstreamDirection::Undefined});
    EXPECT_EQ(inner.edgeSigns(), std::vector<double>{-1.0});
    EXPECT_FALSE(inner.hasUpstreamDirection());
    // Through the inside of the mesh, across the diagonal.
    EdgeString zigzag(grid_, {"zigzag", {10, 20, 70, 50}, UpstreamDirection::Right});
    EXPECT_EQ(zigzag.edgeSigns(), (std::vector<double>{1.0, -1.0, 1.0}));
}

TEST_F(Strings, FaultyDefinitionsStop)
{
    EXPECT_EQ(fatalText([&] { EdgeString(grid_, {"one", {10}, UpstreamDirection::Left}); }),
              "The STRINGDEF with name 'one' has too few node id's assigned. You have to specify at least two "
              "node id's to define a string.");
    EXPECT_EQ(fatalText([&] { EdgeString(grid_, {"diag", {10, 50}, UpstreamDirection::Left}); }),
              "The STRINGDEF with name 'diag': the nodes 10 and 50 are not joined by an edge of the grid.\n"
              "Successive node id's of a string must share an edge; please correct the node_ids of this STRINGDEF.");
    EXPECT_EQ(fatalText([&] { EdgeString(grid_, {"ghost", {10, 11}, UpstreamDirection::Left}); }),
              "The STRINGDEF with name 'ghost' contains the node id 11, which is not in the grid file.\n"
              "Please correct the node_ids of this STRINGDEF.");
}

TEST_F(Strings, NamesAreUniqueAndFound)
{
    EdgeStringSet set;
    set.add(grid_, {"inflow", {10, 40}, UpstreamDirection::Right});
    set.add(grid_, {"outflow", {30, 70}, UpstreamDirection::Left});
    ASSERT_NE(set.find("outflow"), nullptr);
    EXPECT_EQ(set.find("outflow")->nodeIds(), (std::vector<int>{30, 70}));
    EXPECT_EQ(set.find("weir"), nullptr);
    EXPECT_EQ(fatalText([&] { set.add(grid_, {"inflow", {20, 30}, UpstreamDirection::Right}); }),
              "Two string definitions in STRINGDEF blocks share the same name: 'inflow' Every string definition "
              "should have a unique name.");
    EXPECT_EQ(set.size(), 2u);
}

TEST_F(Strings, UpstreamWords)
{
    EXPECT_EQ(upstreamDirectionFromWord("LEFT"), UpstreamDirection::Left);
    EXPECT_EQ(upstreamDirectionFromWord("right"), UpstreamDirection::Right);
    EXPECT_EQ(fatalText([] { upstreamDirectionFromWord("up"); }),
              "Unknown upstream_direction 'up' in a STRINGDEF block.\nPlease choose 'left' or 'right' and correct "
              "the command file.");
}

TEST_F(Strings, ElementAndNodeStrings)
{
    ElementString es(grid_, "probe", {4, 1});
    EXPECT_EQ(es.elements(), (std::vector<int>{3, 0}));
    NodeString ns(grid_, "gauges", {80, 10});
    EXPECT_EQ(ns.nodes(), (std::vector<int>{6, 0}));
    EXPECT_EQ(fatalText([&] { ElementString(grid_, "bad", {1, 7}); }),
              "Element 7 does not exist! Check your input file! There are currently 4 elements.");
    EXPECT_EQ(fatalText([&] { NodeString(grid_, "bad", {10, 60}); }),
              "Node 60 does not exist! Check your input file! There are currently 7 nodes.");
}
