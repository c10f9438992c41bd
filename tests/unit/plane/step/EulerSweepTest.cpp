// Whole explicit steps on small meshes: conservation, still water, wetting and
// drying, the negative-depth correction and the failure messages.
#include <gtest/gtest.h>

#include <omp.h>

#include <cmath>
#include <string>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPTimeStep.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

namespace {

constexpr double hmin = 0.05;

double flat(double, double) { return 0.0; }

// Runs n CFL-limited steps; returns the simulated time.
double run(const Grid& grid, FPState& s, Euler& euler, int n, double cfl = 0.9) {
    TimeStepSettings ts;
    ts.cfl = cfl;
    ts.initial = 10.0;
    TimeStep step(ts);
    double t = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dt = step.compute(grid, s, hmin, euler.gravity());
        euler.step(dt);
        t += dt;
    }
    return t;
}

EulerSettings settingsFor(RiemannSolverKind kind) {
    EulerSettings es;
    es.hmin = hmin;
    es.solver = kind;
    return es;
}

}  // namespace

class EulerSolvers : public ::testing::TestWithParam<RiemannSolverKind> {};
INSTANTIATE_TEST_SUITE_P(AllSolvers, EulerSolvers,
                         ::testing::Values(RiemannSolverKind::HLL, RiemannSolverKind::HLLC,
                                           RiemannSolverKind::Exact));

TEST_P(EulerSolvers, DamBreakInAClosedBasinConservesVolume) {
    // Sloping bed, water on the left half, a dry right half: walls all round.
    for (const bool triangles : {false, true}) {
        const Grid grid = rectangle(12, 4, 1.0, 1.0, triangles,
                                    [](double x, double y) { return 0.02 * x + 0.01 * y; });
        FPState s;
        fill(grid, s, [](double x, double) { return x < 6.0 ? 1.0 : -1.0; });
        Euler euler(grid, s, settingsFor(GetParam()));
        const double before = volume(grid, s);
        run(grid, s, euler, 60);
        EXPECT_NEAR(volume(grid, s), before, 1e-12 * before);
        double wetRight = 0.0;
        for (int e = 0; e < grid.numElements(); ++e)
            if (grid.elemCx_[e] > 6.0) wetRight += s.h_[e] * grid.elemArea_[e];
        EXPECT_GT(wetRight, 0.1 * before);  // the water did move
    }
}

TEST_P(EulerSolvers, LakeAtRestWithAnIslandStaysAtRest) {
    // A hump rising above the level: wet, partly wet and dry elements. The
    // levels keep every element and edge depth out of (0, hmin], where the
    // wetting rules treat shallow water as dry on purpose.
    auto hump = [](double x, double y) {
        return 1.0 - 0.08 * ((x - 4.0) * (x - 4.0) + (y - 3.0) * (y - 3.0));
    };
    const struct {
        bool triangles;
        double W;
    } cases[] = {{false, 0.55}, {false, 0.87}, {true, 0.87}};
    for (const auto& c : cases) {
        const Grid grid = rectangle(8, 6, 1.0, 1.0, c.triangles, hump);
        FPState s;
        fill(grid, s, [&](double, double) { return c.W; });
        int partlyWet = 0;
        for (int e = 0; e < grid.numElements(); ++e) {
            const double h = c.W - grid.elemZb_[e];
            ASSERT_FALSE(h > -1e-9 && h <= hmin) << "element " << e;
            bool above = false, below = false;
            for (int k = 0; k < grid.elemNumNodes_[e]; ++k)
                (grid.nodeZ_[grid.elemNode(e, k)] > c.W ? above : below) = true;
            partlyWet += above && below;
        }
        for (int i = 0; i < grid.numEdges(); ++i) {
            const double h = c.W - grid.edgeZmean_[i];
            ASSERT_FALSE(h > -1e-9 && h <= hmin) << "edge " << i;
        }
        ASSERT_GT(partlyWet, 10);
        const std::vector<double> h0 = s.h_;
        Euler euler(grid, s, settingsFor(GetParam()));
        run(grid, s, euler, 30);
        for (int e = 0; e < grid.numElements(); ++e) {
            EXPECT_EQ(s.u_[e], 0.0) << "element " << e << ", W = " << c.W;
            EXPECT_EQ(s.v_[e], 0.0) << "element " << e << ", W = " << c.W;
            EXPECT_NEAR(s.h_[e], h0[e], 1e-13) << "element " << e;
        }
    }
}

TEST(EulerSweep, DryBenchAboveTheWaterStaysDry) {
    // Bed 0 for x < 3, a bench at 1.5 beyond; water at 1.0 sloshing towards it.
    const Grid grid = rectangle(6, 2, 1.0, 1.0, true,
                                [](double x, double) { return x < 3.5 ? 0.0 : 1.5; });
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    for (int e = 0; e < grid.numElements(); ++e) s.u_[e] = s.h_[e] > 0 ? 0.5 : 0.0;
    Euler euler(grid, s, settingsFor(RiemannSolverKind::Exact));
    run(grid, s, euler, 20);
    for (int e = 0; e < grid.numElements(); ++e)
        if (grid.elemCx_[e] > 4.0) {
            EXPECT_EQ(s.h_[e], 0.0) << "element " << e;
            EXPECT_EQ(s.u_[e], 0.0) << "element " << e;
        }
}

TEST(EulerSweep, NegativeDepthIsRefilledFromTheReceivingNeighbour) {
    // A shallow element drains into a dry neighbour; a long step overdraws it.
    const Grid grid = rectangle(2, 1, 1.0, 1.0, false, [](double x, double) { return -0.5 * x; });
    ASSERT_EQ(grid.numElements(), 2);
    FPState s;
    s.resize(2, grid.numEdges());
    s.h_[0] = 0.2;
    s.u_[0] = 2.0;
    s.speed_[0] = 2.0;
    for (int e = 0; e < 2; ++e) s.wse_[e] = s.h_[e] + grid.elemZb_[e];
    Euler euler(grid, s, settingsFor(RiemannSolverKind::Exact));
    const double before = volume(grid, s);
    euler.computeFluxes();
    euler.updateElements(1.0);
    ASSERT_LT(s.hNew_[0], 0.0);  // more water left than was there
    euler.correctNegativeDepths(1.0);
    EXPECT_EQ(s.hNew_[0], 0.0);
    EXPECT_EQ(s.uNew_[0], 0.0);
    EXPECT_NEAR(s.hNew_[1] * grid.elemArea_[1], before, 1e-15);
    euler.commit();
    EXPECT_NEAR(volume(grid, s), before, 1e-15);
}

TEST(EulerSweep, SameResultWithOneAndTwoThreads) {
    auto runWith = [](int threads) {
        omp_set_num_threads(threads);
        const Grid grid = rectangle(10, 5, 1.0, 1.0, true,
                                    [](double x, double y) { return 0.05 * std::sin(x + y); });
        FPState s;
        fill(grid, s, [](double x, double y) { return x + y < 7.0 ? 0.8 : 0.0; });
        Euler euler(grid, s, settingsFor(RiemannSolverKind::HLLC));
        run(grid, s, euler, 25);
        return s;
    };
    const int saved = omp_get_max_threads();
    const FPState a = runWith(1);
    const FPState b = runWith(2);
    omp_set_num_threads(saved);
    EXPECT_EQ(a.h_, b.h_);
    EXPECT_EQ(a.u_, b.u_);
    EXPECT_EQ(a.v_, b.v_);
}

TEST(EulerSweep, NotANumberDepthEndsTheRunNamingTheElement) {
    const Grid grid = rectangle(2, 1, 1.0, 1.0, false, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    s.h_[1] = std::nan("");
    Euler euler(grid, s, settingsFor(RiemannSolverKind::Exact));
    euler.computeFluxes();
    try {
        euler.updateElements(0.1);
        FAIL() << "a depth that is not a number must end the run";
    } catch (const Flumaris::FatalError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The new depth of the element # 2 is NAN = nan.\n"
                  "The program is terminated abnormally.");
    }
}

TEST(EulerSweep, SpeedCutWarnsOnlyOnce) {
    const Grid grid = rectangle(3, 1, 1.0, 1.0, false, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    for (int e = 0; e < 3; ++e) s.u_[e] = 250.0 + e;
    Euler euler(grid, s, settingsFor(RiemannSolverKind::Exact));
    ::testing::internal::CaptureStdout();
    euler.computeFluxes();
    euler.updateElements(1e-4);
    EXPECT_NEAR(std::hypot(s.uNew_[1], s.vNew_[1]), 200.0, 1e-9);
    euler.updateElements(1e-4);
    const std::string out = collapsed(::testing::internal::GetCapturedStdout());
    const std::string text = "in the element #1 exceeded the maximum velocity 'vmax=200m/s' "
                             "and is set to this maximum. No more messages are shown.";
    const auto first = out.find(text);
    EXPECT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("exceeded the maximum velocity", first + text.size()), std::string::npos);
}

// The stored sums answer fully wet elements; they must give the source the
// node-by-node wetting gives, also with absolute elevations and after the bed moved.
TEST(EulerSweep, StoredBedSlopeMatchesTheNodeWetting) {
    for (bool triangles : {false, true}) {
        const double g = 9.81;
        Grid grid = FlumPlaneTest::rectangle(6, 4, 3.0, 2.0, triangles, [](double x, double y) {
            return 412.0 + 0.3 * std::sin(0.7 * x) + 0.05 * x * y - 0.02 * y * y;
        });
        auto compare = [&](const char* when) {
            ElementBed scratch, nodes;
            GridBed bed(grid, scratch);
            for (int e = 0; e < grid.numElements(); ++e) {
                bed.select(e);
                fillElementBed(grid, e, nodes);
                const double relief = grid.elemRelief_[e];
                EXPECT_GE(relief, 0.0);
                for (double h : {relief, relief + 1e-3, relief + 0.7, relief + 25.0}) {
                    const double W = grid.elemZb_[e] + h;
                    double bx, by, nx, ny;
                    bedSlope(bed, h, W, g, bx, by);
                    bedSlopeSource(nodes, W, g, nx, ny);
                    const double scale = g * (h + 1.0) * 1e-11;
                    EXPECT_NEAR(bx, nx, scale) << when << " element " << e << " h " << h;
                    EXPECT_NEAR(by, ny, scale) << when << " element " << e << " h " << h;
                    EXPECT_EQ(bedFullyWetted(bed, h + 1e-9, W + 1e-9), fullyWetted(nodes, W + 1e-9));
                }
                // Below the highest node the partly wet path is the node path itself.
                const double h = 0.5 * relief;
                double bx, by, nx, ny;
                bedSlope(bed, h, grid.elemZb_[e] + h, g, bx, by);
                bedSlopeSource(nodes, grid.elemZb_[e] + h, g, nx, ny);
                EXPECT_EQ(bx, nx);
                EXPECT_EQ(by, ny);
            }
        };
        compare("initial bed");
        const int moved[2] = {8, 9};
        const double z[2] = {409.0, 415.5};
        grid.updateNodeElevations(moved, z);
        compare("moved bed");
    }
}
