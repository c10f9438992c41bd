// Cross sections against hand-computed geometry, conveyance and beta; the
// tables against direct evaluation; the level of an area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/resistance/ResistanceFactory.h"
#include "section/CrossSection.h"

using Flumaris::CrossSection;
using Flumaris::SectionComputation;
using Flumaris::SectionMode;
using Flumaris::SectionRow;

namespace {

std::unique_ptr<Flumaris::ResistanceCalc> strickler() {
    Flumaris::ResistanceSettings rs;
    rs.type = "strickler";
    return Flumaris::createResistanceCalc(rs);
}

SectionComputation computation(SectionMode mode, bool levees = false) {
    SectionComputation c;
    c.mode = mode;
    c.precision = 1e-12;
    c.minInterval = 0.05;
    c.maxInterval = 0.2;
    c.internalLevees = levees;
    c.minWaterDepth = 1e-4;
    c.maxIterations = 1000;
    return c;
}

struct Node {
    double y, z;
};

CrossSection makeSection(const std::vector<Node>& nodes, const Flumaris::ResistanceCalc& law, SectionMode mode,
                         double k = 30.0) {
    CrossSection s("cs", 1000.0, 0.0);
    for (const Node& n : nodes) s.addNode(n.y, n.z);
    s.formSlices();
    s.setFriction(1, static_cast<int>(s.numSlices()), k);
    s.setComputation(computation(mode));
    s.setFrictionLaw(&law, k);
    return s;
}

// Trapezoid: bottom width 4 at z = 0, sides 1:1 up to z = 2.
const std::vector<Node> kTrapezoid = {{0, 2}, {2, 0}, {6, 0}, {8, 2}};

// Strickler beta of slices with friction k_i, surface width b_i and mean depth h_i.
double betaOf(const std::vector<std::array<double, 3>>& kbh) {
    double A = 0.0, S1 = 0.0, S2 = 0.0;
    for (const auto& [k, b, h] : kbh) {
        const double Ki = k * b * std::pow(h, 5.0 / 3.0);
        A += b * h;
        S1 += Ki;
        S2 += Ki * Ki / (b * h);
    }
    return A * S2 / (S1 * S1);
}

}  // namespace

TEST(CrossSection, TrapezoidAgainstHandValues) {
    auto law = strickler();
    CrossSection s = makeSection(kTrapezoid, *law, SectionMode::Iteration);
    s.prepare();
    const SectionRow r = s.evaluate(1.0);
    const double A = 4.0 + 1.0, P = 4.0 + 2.0 * std::sqrt(2.0), R = A / P;
    EXPECT_DOUBLE_EQ(r[Flumaris::ColArea], A);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColReducedArea], A);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColWidth], 6.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColPerimeter], P);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColMeanDepth], A / 6.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColFriction], 30.0);
    EXPECT_NEAR(r[Flumaris::ColConveyance], 30.0 * A * std::pow(R, 2.0 / 3.0), 1e-10);
    // side slices: width 1, mean depth 1/2; bottom: width 4, depth 1
    EXPECT_NEAR(r[Flumaris::ColBeta], betaOf({{30, 1, 0.5}, {30, 4, 1}, {30, 1, 0.5}}), 1e-14);
    EXPECT_GT(r[Flumaris::ColBeta], 1.0);

    // At a node elevation the node side is dry: at the bank tops the side
    // slices are triangles, at the bed nothing is wet.
    const SectionRow top = s.evaluate(2.0);
    EXPECT_DOUBLE_EQ(top[Flumaris::ColArea], 12.0);
    EXPECT_DOUBLE_EQ(top[Flumaris::ColWidth], 8.0);
    EXPECT_DOUBLE_EQ(top[Flumaris::ColPerimeter], 4.0 + 4.0 * std::sqrt(2.0));
    const SectionRow bed = s.evaluate(0.0);
    EXPECT_EQ(bed[Flumaris::ColArea], 0.0);
    EXPECT_EQ(bed[Flumaris::ColPerimeter], 0.0);
    EXPECT_EQ(bed[Flumaris::ColConveyance], 0.0);
    EXPECT_EQ(bed[Flumaris::ColBeta], 1.0);
    // The mean bottom level is width-weighted over the bed zone.
    EXPECT_DOUBLE_EQ(s.meanBottomLevel(), (2.0 * 1.0 + 4.0 * 0.0 + 2.0 * 1.0) / 8.0);
    // The calibration factor scales the conveyance, not beta.
    s.setCalibrationFactor(0.5);
    s.prepare();
    EXPECT_NEAR(s.evaluate(1.0)[Flumaris::ColConveyance], 0.5 * r[Flumaris::ColConveyance], 1e-10);
    EXPECT_DOUBLE_EQ(s.evaluate(1.0)[Flumaris::ColBeta], r[Flumaris::ColBeta]);
}

TEST(CrossSection, VerticalAndNarrowWallsAddOnlyPerimeter) {
    auto law = strickler();
    // a vertical left wall and a right wall 0.5 mm wide
    CrossSection s = makeSection({{0, 3}, {0, 0}, {4, 0}, {4.0005, 3}}, *law, SectionMode::Iteration);
    s.prepare();
    const SectionRow r = s.evaluate(1.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColArea], 4.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColWidth], 4.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColPerimeter], 6.0);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColMeanDepth], 1.0);
    EXPECT_NEAR(r[Flumaris::ColConveyance], 30.0 * 4.0 * std::pow(4.0 / 6.0, 2.0 / 3.0), 1e-10);
    EXPECT_DOUBLE_EQ(r[Flumaris::ColBeta], 1.0);  // one wet slice of uniform depth
}

class CompoundSection : public ::testing::Test {
protected:
    // Left foreland (k 20) behind a bank at 2.5, main channel (k 35) with its
    // bed at 0 and its right bank at 2.2, right foreland (k 20) down to 1.5.
    CrossSection make(SectionMode mode, bool levees) {
        CrossSection s("compound", 2000.0, 0.0);
        for (const Node& n : std::vector<Node>{{0, 3}, {10, 2}, {12, 2.5}, {14, 0}, {20, 0}, {22, 2.2}, {24, 1.5}, {34, 3}})
            s.addNode(n.y, n.z);
        s.formSlices();
        s.setMainChannel(3, 5);
        s.setFriction(1, 7, 20.0);
        s.setFriction(3, 5, 35.0);
        s.setComputation(computation(mode, levees));
        s.setFrictionLaw(law_.get(), 20.0);
        s.prepare();
        return s;
    }
    std::unique_ptr<Flumaris::ResistanceCalc> law_ = strickler();
};

TEST_F(CompoundSection, ThreeChannelPartsAndBeta) {
    const CrossSection s = make(SectionMode::Iteration, false);
    const SectionRow r = s.evaluate(3.0);
    // slice areas at z = 3: 5, 1.5, 3.5, 18, 3.8, 2.3, 7.5
    EXPECT_NEAR(r[Flumaris::ColArea], 41.6, 1e-12);
    EXPECT_NEAR(r[Flumaris::ColWidth], 34.0, 1e-12);
    const double PL = std::sqrt(101.0) + std::sqrt(4.25), PM = std::sqrt(10.25) + 6.0 + std::sqrt(8.84),
                 PR = std::sqrt(4.49) + std::sqrt(102.25);
    auto K = [](double k, double A, double P) { return k * A * std::pow(A / P, 2.0 / 3.0); };
    EXPECT_NEAR(r[Flumaris::ColConveyance], K(20, 6.5, PL) + K(35, 25.3, PM) + K(20, 9.8, PR), 1e-9);
    EXPECT_NEAR(r[Flumaris::ColPerimeter], PL + PM + PR, 1e-12);
    EXPECT_NEAR(r[Flumaris::ColFriction], (20 * PL + 35 * PM + 20 * PR) / (PL + PM + PR), 1e-12);
    EXPECT_NEAR(r[Flumaris::ColBeta],
                betaOf({{20, 10, 0.5}, {20, 2, 0.75}, {35, 2, 1.75}, {35, 6, 3}, {35, 2, 1.9}, {20, 2, 1.15}, {20, 10, 0.75}}),
                1e-13);
    // One conveyance over the whole section would be smaller: the shallow
    // forelands would pull the hydraulic radius of the main channel down.
    EXPECT_GT(r[Flumaris::ColConveyance], K(r[Flumaris::ColFriction], 41.6, PL + PM + PR));
}

TEST_F(CompoundSection, InternalLeveesKeepForelandsDryUpToTheBank) {
    const CrossSection open = make(SectionMode::Iteration, false);
    const CrossSection leveed = make(SectionMode::Table, true);
    EXPECT_DOUBLE_EQ(leveed.leveeLevel(), 2.5);
    // z = 2.4: main channel 2.304 + 14.4 + 2.6; the forelands add 0.8, 0.32, 1.1 and 2.7
    EXPECT_NEAR(leveed.evaluate(2.4)[Flumaris::ColArea], 19.304, 1e-12);
    EXPECT_NEAR(leveed.evaluate(2.4)[Flumaris::ColWidth], 9.92, 1e-12);
    EXPECT_NEAR(open.evaluate(2.4)[Flumaris::ColArea], 19.304 + 4.92, 1e-12);
    // The table holds the jump between the levee level and 0.1 mm above it.
    const auto& z = leveed.table().column(Flumaris::ColZ);
    const auto it = std::find(z.begin(), z.end(), 2.5);
    ASSERT_NE(it, z.end());
    const std::size_t k = static_cast<std::size_t>(it - z.begin());
    EXPECT_DOUBLE_EQ(z[k + 1], 2.5 + CrossSection::kLeveeStep);
    const double jump = leveed.table().value(k + 1, Flumaris::ColArea) - leveed.table().value(k, Flumaris::ColArea);
    EXPECT_NEAR(jump, 1.25 + 0.5 + 1.3 + 10.0 / 3.0, 0.01);  // forelands at 2.5
    EXPECT_GT(leveed.table().value(k + 1, Flumaris::ColWidth) - leveed.table().value(k, Flumaris::ColWidth), 15.0);
}

TEST_F(CompoundSection, TableEqualsDirectEvaluationAtItsLevelsAndInterpolatesBetween) {
    const CrossSection s = make(SectionMode::Table, true);
    const Flumaris::Tables& t = s.table();
    ASSERT_GT(t.numRows(), 10u);
    for (std::size_t k = 0; k < t.numRows(); ++k) {
        const SectionRow d = s.evaluate(t.value(k, Flumaris::ColZ));
        for (std::size_t c = 0; c < Flumaris::kNumColumns; ++c) {
            double v = 0.0;
            ASSERT_EQ(t.lookup(d[Flumaris::ColZ], Flumaris::ColZ, c, v), Flumaris::Tables::Where::Inside);
            EXPECT_DOUBLE_EQ(v, d[c]) << "row " << k << " column " << c;
        }
        // the state of a tabulated area is that row
        if (d[Flumaris::ColArea] > 0.0 && k + 1 < t.numRows() && t.value(k + 1, Flumaris::ColArea) > d[Flumaris::ColArea]) {
            const Flumaris::SectionState st = s.state(d[Flumaris::ColArea]);
            EXPECT_NEAR(st.z, d[Flumaris::ColZ], 1e-12);
            EXPECT_NEAR(st.K, d[Flumaris::ColConveyance], 1e-9 * (1.0 + d[Flumaris::ColConveyance]));
        }
    }
    // Between levels: A(z) is piecewise quadratic, so linear interpolation errs
    // by at most B'(z) dz^2 / 8 with dz <= 0.15 m.
    for (double z = 0.01; z < 3.0; z += 0.0137) {
        double A = 0.0;
        ASSERT_EQ(t.lookup(z, Flumaris::ColZ, Flumaris::ColArea, A), Flumaris::Tables::Where::Inside);
        const double dB = (s.evaluate(z + 1e-3)[Flumaris::ColWidth] - s.evaluate(z - 1e-3)[Flumaris::ColWidth]) / 2e-3;
        if (std::fabs(z - 2.5) > 0.2) {
            EXPECT_NEAR(A, s.area(z), std::max(dB, 12.0) * 0.15 * 0.15 / 8.0 + 1e-12) << z;
        }
    }
    // Outside the table: above, the state is computed directly; no area, lowest level.
    const Flumaris::SectionState high = s.state(200.0);
    EXPECT_GT(high.z, s.highestLevel());
    EXPECT_NEAR(s.area(high.z), 200.0, 1e-9);
    EXPECT_NEAR(high.K, s.evaluate(high.z)[Flumaris::ColConveyance], 1e-9 * high.K);
    const Flumaris::SectionState dry = s.state(0.0);
    EXPECT_EQ(dry.z, s.lowestLevel());
    EXPECT_EQ(dry.K, 0.0);
    EXPECT_EQ(dry.beta, 1.0);
}

TEST(CrossSection, LevelOfAnAreaInvertsTheArea) {
    auto law = strickler();
    for (SectionMode mode : {SectionMode::Iteration, SectionMode::Table}) {
        CrossSection s = makeSection(kTrapezoid, *law, mode);
        s.prepare();
        for (double z : {0.003, 0.5, 1.234567, 1.999, 2.0, 5.5}) {
            EXPECT_NEAR(s.calculateZ(s.area(z)), z, 1e-9) << z;
            if (mode == SectionMode::Iteration) {
                EXPECT_NEAR(s.state(s.area(z)).z, z, 1e-9);
            }
        }
        EXPECT_EQ(s.calculateZ(0.0), 0.0);
    }
}

TEST(CrossSection, TableLevelsFollowTheGridFixedPointsAndLowerLimit) {
    auto law = strickler();
    CrossSection s = makeSection({{0, 2.3}, {2, 0.3}, {6, 0.3}, {8, 2.3}}, *law, SectionMode::Table);
    s.setFixedPoints({1.0, 0.5, 1.0});
    s.prepare();
    const std::vector<double>& z = s.levels();
    // step 0.2 - 0.05; the grid runs through whole metres: 0.3, 0.4, 0.55, ...
    ASSERT_GT(z.size(), 4u);
    EXPECT_DOUBLE_EQ(z[0], 0.3);
    EXPECT_NEAR(z[1], 0.4, 1e-12);
    EXPECT_NEAR(z[2], 0.5, 1e-12);  // the fixed point before the next grid level
    EXPECT_NEAR(z[3], 0.55, 1e-12);
    EXPECT_NE(std::find(z.begin(), z.end(), 1.0), z.end());
    EXPECT_DOUBLE_EQ(z.back(), 2.3);
    EXPECT_TRUE(std::is_sorted(z.begin(), z.end()));
    for (std::size_t k = 1; k < z.size(); ++k) EXPECT_LE(z[k] - z[k - 1], 0.15 + 1e-12);

    CrossSection lake = makeSection({{0, 2.3}, {2, 0.3}, {6, 0.3}, {8, 2.3}}, *law, SectionMode::Table);
    lake.setFixedLowerLimit(1.2);
    lake.prepare();
    EXPECT_DOUBLE_EQ(lake.lowestLevel(), 1.2);
    EXPECT_GT(lake.table().value(0, Flumaris::ColArea), 0.0);
    // an area below the table gives the lowest level
    EXPECT_DOUBLE_EQ(lake.state(0.5 * lake.table().value(0, Flumaris::ColArea)).z, 1.2);
}

TEST(CrossSection, SliceWithoutFrictionStops) {
    auto law = strickler();
    CrossSection s = makeSection(kTrapezoid, *law, SectionMode::Table, -1.0);
    s.setFriction(1, 2, 25.0);
    try {
        s.prepare();
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "there are slices without friction value or soil type defined. Program can not continue");
    }
    s.setSoilFriction({0.0, 0.0, 40.0});  // grain-size friction of soil 2
    s.setSoil(3, 3, 2);
    s.prepare();
    EXPECT_NEAR(s.evaluate(1.0)[Flumaris::ColFriction], (25.0 * (std::sqrt(2.0) + 4.0) + 40.0 * std::sqrt(2.0)) / (4.0 + 2.0 * std::sqrt(2.0)), 1e-12);
}
