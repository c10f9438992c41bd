// The chain of elements and edges: half-lengths, boundary elements, order.
#include "ChainFixture.h"
#include "chain/FCGrid.h"
#include "core/MessageService.h"

using FlumChain::Grid;

class GridTest : public ChainFixture {
protected:
    void SetUp() override {
        ChainFixture::SetUp();
        std::string text;
        const char* names[] = {"a", "b", "c"};
        const double km[] = {1.0, 1.1, 1.3};
        for (int i = 0; i < 3; ++i)
            text += std::string("CROSS_SECTION {\n name = ") + names[i] + "\n distance_coord = " + std::to_string(km[i]) +
                    "\n node_coords = ( (0 3) (2 0) (6 0) (8 3) )\n}\n";
        topo_ = read(write("three.fmg", text));
    }
    std::string errorOf(const std::vector<std::string>& order) {
        try {
            Grid g(*topo_, order);
        } catch (const Flumaris::FatalError& e) {
            return e.what();
        }
        return "";
    }
    std::unique_ptr<FlumChain::InputTopoFMG> topo_;
};

TEST_F(GridTest, HalfLengthsAndBoundaryElementsInBothDirections) {
    const Grid g(*topo_, {"a", "b", "c"});
    ASSERT_EQ(g.numElements(), 3u);
    ASSERT_EQ(g.edges().size(), 4u);
    const auto& e = g.elements();
    EXPECT_NEAR(e[0].halfUp, 0.0, 1e-9);
    EXPECT_NEAR(e[0].halfDown, 50.0, 1e-9);
    EXPECT_NEAR(e[1].length, 150.0, 1e-9);
    EXPECT_NEAR(e[2].halfUp, 100.0, 1e-9);
    EXPECT_TRUE(e[0].boundary && !e[1].boundary && e[2].boundary);
    EXPECT_EQ(e[1].edges[0], 1);
    EXPECT_EQ(e[1].edges[1], 2);
    EXPECT_TRUE(g.edges()[0].isBoundary() && g.edges()[3].isBoundary() && !g.edges()[2].isBoundary());
    EXPECT_EQ(g.edges()[2].up, 1);
    EXPECT_EQ(g.edges()[2].down, 2);
    EXPECT_EQ(&g.section("b"), e[1].section);
    EXPECT_GT(g.section("c").table().numRows(), 2u);

    // Against the coordinate: every half is negated.
    const Grid r(*topo_, {"c", "b", "a"});
    EXPECT_NEAR(r.elements()[0].halfDown, 100.0, 1e-9);
    EXPECT_NEAR(r.elements()[1].halfUp, 100.0, 1e-9);
    EXPECT_NEAR(r.elements()[1].halfDown, 50.0, 1e-9);
    EXPECT_NEAR(r.elements()[2].length, 50.0, 1e-9);

    // Two sections: two boundary elements, each half the spacing.
    const Grid two(*topo_, {"b", "c"});
    EXPECT_TRUE(two.elements()[0].boundary && two.elements()[1].boundary);
    EXPECT_NEAR(two.elements()[0].length, 100.0, 1e-9);
    EXPECT_NEAR(two.elements()[1].length, 100.0, 1e-9);

    // A section listed twice is one definition for two elements.
    const Grid twice(*topo_, {"a", "a", "b"});
    EXPECT_EQ(twice.elements()[0].section, twice.elements()[1].section);
    EXPECT_EQ(twice.sections().size(), 2u);
}

TEST_F(GridTest, UnknownNameAndDisorderStop) {
    EXPECT_EQ(errorOf({"a", "x"}), "Cross section 'x' could not be found! Valid cross sections are: a, b, c\nPlease ensure "
                                   "that you only reference defined cross sections in your input file.");
    EXPECT_EQ(errorOf({"a", "c", "b"}), "There is a problem in the element containing the cross-section 'c'. The left "
                                        "segment has a 'distance' of 150 and the right one has a distance of '-100'. "
                                        "Probably, the cross sections are not ordered.");
}
