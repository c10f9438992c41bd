// Skipping dry parts of the mesh: a run that visits only the needed blocks
// must give the bits of a run that visits everything, while fronts wet and
// dry the mesh, with one and two threads.
#include <gtest/gtest.h>

#include <omp.h>

#include <cmath>
#include <functional>

#include "plane/step/FPEuler.h"
#include "plane/step/FPTimeStep.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

namespace {

constexpr double hmin = 0.01;

struct Outcome {
    FPState s;
    std::vector<double> dts;
    int fewestBlocks = 1 << 30;  // smallest number of visited blocks in a step
};

// n steps; `everything` resets the blocks before each step, which makes every
// sweep visit the whole mesh: the reference.
Outcome run(const Grid& grid, const std::function<double(double, double)>& W, RiemannSolverKind solver, int n,
        bool everything, int threads) {
    const int saved = omp_get_max_threads();
    omp_set_num_threads(threads);
    Outcome r;
    fill(grid, r.s, W);
    EulerSettings es;
    es.hmin = hmin;
    es.solver = solver;
    Euler euler(grid, r.s, es);
    TimeStepSettings ts;
    ts.cfl = 0.9;
    ts.initial = 10.0;
    TimeStep step(ts);
    for (int k = 0; k < n; ++k) {
        if (everything) euler.resetWetBlocks();
        const double dt = step.compute(grid, r.s, hmin, euler.gravity(), euler.wetBlocks());
        r.dts.push_back(dt);
        euler.computeFluxes();
        r.fewestBlocks = std::min(r.fewestBlocks, static_cast<int>(euler.wetBlocks()->stepBlocks().size()));
        euler.updateElements(dt);
        euler.correctNegativeDepths(dt);
        euler.commit();
    }
    omp_set_num_threads(saved);
    return r;
}

void expectSameBits(const Outcome& a, const Outcome& b) {
    EXPECT_EQ(a.dts, b.dts);
    EXPECT_EQ(a.s.h_, b.s.h_);
    EXPECT_EQ(a.s.u_, b.s.u_);
    EXPECT_EQ(a.s.v_, b.s.v_);
    EXPECT_EQ(a.s.wse_, b.s.wse_);
    EXPECT_EQ(a.s.speed_, b.s.speed_);
    EXPECT_EQ(a.s.fluxMass_, b.s.fluxMass_);
    EXPECT_EQ(a.s.fluxMomX_, b.s.fluxMomX_);
    EXPECT_EQ(a.s.sumMass_, b.s.sumMass_);
    EXPECT_EQ(a.s.fullyWetted_, b.s.fullyWetted_);
}

// A V-shaped valley falling in x, 1.5 m of water behind x = 8.
double valley(double x, double y) { return 0.05 * (40.0 - x) + 0.3 * std::fabs(y - 5.0); }
double reservoir(double x, double) { return x < 8.0 ? 3.5 : -1.0; }
// A ridge in the middle of a basin, under water at first: the water runs off
// into the dry troughs on either side and leaves the ridge dry.
double ridge(double x, double) { return 1.0 - 0.08 * std::fabs(x - 20.0); }
double overRidge(double x, double) { return std::fabs(x - 20.0) < 5.0 ? 1.05 : -1.0; }

}  // namespace

class WetBlocksSolvers : public ::testing::TestWithParam<RiemannSolverKind> {};
INSTANTIATE_TEST_SUITE_P(AllSolvers, WetBlocksSolvers,
                         ::testing::Values(RiemannSolverKind::HLL, RiemannSolverKind::HLLC,
                                           RiemannSolverKind::Exact));

TEST_P(WetBlocksSolvers, FrontIntoADryValleyGivesTheBitsOfTheFullSweep) {
    for (const bool triangles : {true, false}) {
        const Grid grid = rectangle(40, 10, 1.0, 1.0, triangles, valley);
        const Outcome full = run(grid, reservoir, GetParam(), 60, true, 1);
        const Outcome skip = run(grid, reservoir, GetParam(), 60, false, 1);
        const Outcome skip2 = run(grid, reservoir, GetParam(), 60, false, 2);
        expectSameBits(full, skip);
        expectSameBits(full, skip2);
        // the dry valley is left out at first, and the front has moved
        EXPECT_LT(skip.fewestBlocks, (grid.numElements() + WetBlocks::kBlock - 1) / WetBlocks::kBlock);
        double reach = 0.0;
        for (int e = 0; e < grid.numElements(); ++e)
            if (skip.s.h_[e] > hmin) reach = std::max(reach, grid.elemCx_[e]);
        EXPECT_GT(reach, 14.0);
    }
}

TEST_P(WetBlocksSolvers, DryingRidgeGivesTheBitsOfTheFullSweep) {
    for (const bool triangles : {true, false}) {
        const Grid grid = rectangle(40, 4, 1.0, 1.0, triangles, ridge);
        const Outcome full = run(grid, overRidge, GetParam(), 120, true, 1);
        const Outcome skip = run(grid, overRidge, GetParam(), 120, false, 2);
        expectSameBits(full, skip);
        int dried = 0;
        for (int e = 0; e < grid.numElements(); ++e)
            if (std::fabs(grid.elemCx_[e] - 20.0) < 1.0 && skip.s.h_[e] <= hmin) ++dried;
        EXPECT_GT(dried, 0);
    }
}

TEST(WetBlocks, NeededBlocksHoldEveryWetElementItsNeighboursAndItsEdges) {
    const Grid grid = rectangle(48, 8, 1.0, 1.0, true, valley);
    FPState s;
    fill(grid, s, reservoir);
    EulerSettings es;
    es.hmin = hmin;
    Euler euler(grid, s, es);
    TimeStep step(TimeStepSettings{});
    for (int k = 0; k < 40; ++k) {
        euler.step(step.compute(grid, s, hmin, euler.gravity(), euler.wetBlocks()));
        const WetBlocks& b = *euler.wetBlocks();
        std::vector<char> block(static_cast<std::size_t>(b.numBlocks()), 0), chunk(static_cast<std::size_t>(b.numChunks()), 0);
        for (const int x : b.neededBlocks()) block[x] = 1;
        for (const int x : b.neededChunks()) chunk[x] = 1;
        for (int e = 0; e < grid.numElements(); ++e) {
            if (s.h_[e] <= hmin) continue;
            ASSERT_TRUE(block[e / WetBlocks::kBlock]) << "step " << k << " element " << e;
            for (int j = 0; j < grid.elemNumNodes(e); ++j) {
                const int nb = grid.elemNeighbour(e, j);
                if (nb >= 0) {
                    ASSERT_TRUE(block[nb / WetBlocks::kBlock]) << "step " << k << " element " << nb;
                }
            }
        }
        for (std::size_t p = 0; p < grid.interiorEdges_.size(); ++p) {
            const int i = grid.interiorEdges_[p];
            if (s.h_[grid.edgeLeft_[i]] > hmin || s.h_[grid.edgeRight_[i]] > hmin) {
                ASSERT_TRUE(chunk[p / WetBlocks::kBlock]) << "step " << k << " edge " << i;
            }
        }
    }
}

TEST(WetBlocks, BoundaryConditionEdgesReachDryElements) {
    // All dry; after the first steps (which visit everything) a mesh-boundary
    // edge far from any water carries an inflow that a boundary condition
    // wrote. Its element must still be updated.
    Grid grid = rectangle(48, 8, 1.0, 1.0, true, [](double, double) { return 0.0; });
    int inlet = -1;
    for (const int i : grid.boundaryEdges_)
        if (grid.nodeX_[grid.edgeNode1_[i]] > 47.5 && grid.nodeX_[grid.edgeNode2_[i]] > 47.5) inlet = i;
    ASSERT_GE(inlet, 0);
    grid.edgeType_[inlet] = EdgeBoundaryCondition;
    FPState s;
    fill(grid, s, [](double, double) { return -1.0; });
    EulerSettings es;
    es.hmin = hmin;
    Euler euler(grid, s, es);
    for (int k = 0; k < 8; ++k) {
        euler.computeFluxes();
        s.fluxMass_[inlet] = k < 4 ? 0.0 : -0.5;  // into the left element
        euler.updateElements(0.5);
        euler.correctNegativeDepths(0.5);
        euler.commit();
    }
    EXPECT_NEAR(volume(grid, s), 4 * 0.25, 1e-12);
}
