// Slices and section tables against hand-computed geometry and the Manning law.
#include <gtest/gtest.h>

#include <cmath>

#include "core/MessageService.h"
#include "physics/resistance/ResistanceFactory.h"
#include "section/SectionTables.h"

using Flumaris::CrossSectionSlice;
using Flumaris::SectionTables;

namespace {

CrossSectionSlice slice(double y1, double z1, double y2, double z2, double k = 0.03) {
    CrossSectionSlice s({0.0, y1, z1}, {0.0, y2, z2});
    s.kValue_ = k;
    return s;
}

std::unique_ptr<Flumaris::ResistanceCalc> manning() {
    Flumaris::ResistanceSettings rs;
    rs.type = "manning";
    return Flumaris::createResistanceCalc(rs);
}

}  // namespace

TEST(CrossSectionSlice, GeometryOfSlopedAndVerticalSlices) {
    const CrossSectionSlice s = slice(0.0, 0.0, 4.0, 2.0);  // bed slope 1/2
    // below the upper node: triangle of depth 1 over the lower node, run 2
    EXPECT_DOUBLE_EQ(s.area(1.0), 1.0);
    EXPECT_DOUBLE_EQ(s.surfaceWidth(1.0), 2.0);
    EXPECT_DOUBLE_EQ(s.perimeter(1.0), std::sqrt(5.0));
    EXPECT_DOUBLE_EQ(s.meanDepth(1.0), 0.5);
    // above both: trapezoid
    EXPECT_DOUBLE_EQ(s.area(3.0), 4.0 * (3.0 + 1.0) / 2.0);
    EXPECT_DOUBLE_EQ(s.perimeter(3.0), std::sqrt(20.0));
    // exactly at a node level the node side counts as dry
    EXPECT_DOUBLE_EQ(s.area(0.0), 0.0);
    const CrossSectionSlice wall = slice(1.0, 0.0, 1.0005, 3.0);
    EXPECT_DOUBLE_EQ(wall.area(2.0), 0.0);
    EXPECT_DOUBLE_EQ(wall.surfaceWidth(2.0), 0.0);
    EXPECT_DOUBLE_EQ(wall.perimeter(2.0), 2.0);
}

TEST(SectionTables, RectangularSectionFollowsManningAndInvertsIt) {
    auto law = manning();
    std::vector<CrossSectionSlice> sl;
    for (int k = 0; k < 3; ++k) sl.push_back(slice(k, 0.5, k + 1.0, 0.5));
    const SectionTables t(sl, *law, 20.0);
    EXPECT_DOUBLE_EQ(t.lowestLevel(), 0.5);
    EXPECT_DOUBLE_EQ(t.highestLevel(), 20.5);
    // width 3, depth 0.8; the slices have no side walls, so R = h
    const double h = 0.8, K = 3.0 * h * std::pow(h, 2.0 / 3.0) / 0.03;
    EXPECT_NEAR(t.conveyance(0.5 + h), K, 1e-9 * K);
    EXPECT_NEAR(t.tableConveyance(0.5 + h), K, 2e-4 * K);
    EXPECT_NEAR(t.sliceConveyance(1, 0.5 + h), K / 3.0, 1e-9 * K);
    double z = 0.0;
    ASSERT_TRUE(t.levelForConveyance(K, 1e-6, 100, z));
    EXPECT_NEAR(z, 0.5 + h, 2e-4);
    EXPECT_FALSE(t.levelForConveyance(K, 0.0, 3, z));
    ASSERT_TRUE(t.levelForConveyance(0.0, 1e-6, 100, z));
    EXPECT_DOUBLE_EQ(z, 0.5);
}

TEST(SectionTables, TriangularSectionPerimeterWeightsFriction) {
    auto law = manning();
    // V-shaped section: sides 1:1, friction 0.02 left and 0.04 right
    const SectionTables t({slice(0.0, 2.0, 2.0, 0.0, 0.02), slice(2.0, 0.0, 4.0, 2.0, 0.04)}, *law, 5.0);
    const double z = 1.0, A = 1.0, P = 2.0 * std::sqrt(2.0), R = A / P, n = 0.03;
    EXPECT_DOUBLE_EQ(t.area(z), A);
    EXPECT_NEAR(t.conveyance(z), A * std::pow(R, 2.0 / 3.0) / n, 1e-12);
}

TEST(SectionTables, SliceWithoutFrictionStops) {
    auto law = manning();
    try {
        SectionTables t({slice(0.0, 0.0, 1.0, 0.0, -1.0)}, *law, 5.0);
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "there are slices without friction value or soil type defined. Program can not continue");
    }
}
