// Each solver's own cases: dam breaks against the analytic Riemann solutions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>

#include "plane/flux/FPExact.h"
#include "plane/flux/FPHLL.h"
#include "plane/flux/FPHLLC.h"
#include "plane/flux/FPRiemannSolverChoice.h"
#include "core/MessageService.h"

using namespace FlumPlane;

namespace {

constexpr double g = 9.81;
constexpr double hmin = 1e-3;

// Flat unit edge with normal (1, 0): x is the normal direction.
EdgeGeometry unitEdge() {
    EdgeGeometry e;
    e.a = 1.0;
    e.b = 0.0;
    e.L = 1.0;
    return e;
}

EdgeState states(double hL, double uL, double hR, double uR, double vL = 0.0,
                 double vR = 0.0) {
    EdgeState s;
    s.hL = hL; s.uL = uL; s.vL = vL; s.wseL = hL;
    s.hR = hR; s.uR = uR; s.vR = vR; s.wseR = hR;
    return s;
}

NormalState normal(double h, double u, double ut = 0.0) {
    return {h, u, ut, std::sqrt(g * h)};
}

// Star depth of the shallow-water Riemann problem by bisection, independent of
// the solver's Newton iteration.
double starDepthByBisection(double hL, double uL, double hR, double uR) {
    auto f = [](double h, double hK) {
        if (h <= hK) return 2.0 * (std::sqrt(g * h) - std::sqrt(g * hK));
        return (h - hK) * std::sqrt(0.5 * g * (h + hK) / (h * hK));
    };
    double lo = 1e-12, hi = 100.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (f(mid, hL) + f(mid, hR) + uR - uL > 0.0) hi = mid; else lo = mid;
    }
    return 0.5 * (lo + hi);
}

// Ritter: at the dam site h = 4/9 h0 and u = 2/3 sqrt(g h0).
constexpr double h0 = 1.0;
const double ritterH = 4.0 / 9.0 * h0;
const double ritterU = 2.0 / 3.0 * std::sqrt(g * h0);

}  // namespace

TEST(ExactSolver, DryBedDamBreakMatchesRitter) {
    const Exact solver(g, hmin);
    const Exact::Sample s = solver.solve(normal(h0, 0.0), NormalState{});
    EXPECT_NEAR(s.h, ritterH, 1e-14);
    EXPECT_NEAR(s.un, ritterU, 1e-14);
    // Mirrored: water on the right runs towards negative x.
    const Exact::Sample m = solver.solve(NormalState{}, normal(h0, 0.0));
    EXPECT_NEAR(m.h, ritterH, 1e-14);
    EXPECT_NEAR(m.un, -ritterU, 1e-14);

    const EdgeFlux F = solver.flux(unitEdge(), states(h0, 0.0, 0.0, 0.0));
    EXPECT_NEAR(F.mass, ritterH * ritterU, 1e-13);
    EXPECT_NEAR(F.momX, ritterH * ritterU * ritterU + 0.5 * g * ritterH * ritterH, 1e-12);
    EXPECT_EQ(F.momY, 0.0);
}

TEST(ExactSolver, DryBedSamplingOutsideTheFan) {
    const Exact solver(g, hmin);
    // Supercritical flow towards the dry bed: the edge sees the wet state.
    const Exact::Sample wet = solver.solve(normal(1.0, 5.0, 0.3), NormalState{});
    EXPECT_DOUBLE_EQ(wet.h, 1.0);
    EXPECT_DOUBLE_EQ(wet.un, 5.0);
    EXPECT_DOUBLE_EQ(wet.ut, 0.3);
    // Flow away from the dry bed faster than 2c: the edge falls dry.
    const Exact::Sample dry = solver.solve(normal(1.0, -7.0), NormalState{});
    EXPECT_EQ(dry.h, 0.0);
    EXPECT_EQ(dry.un, 0.0);
}

TEST(ExactSolver, WetBedDamBreakGivesTheStokerMiddleState) {
    const Exact solver(g, hmin, 1e-12);
    const double hL = 1.0, hR = 0.5;
    const double hStar = starDepthByBisection(hL, 0.0, hR, 0.0);
    const double uStar = 2.0 * (std::sqrt(g * hL) - std::sqrt(g * hStar));
    ASSERT_LT(uStar - std::sqrt(g * hStar), 0.0);  // the dam site lies in the middle state
    const Exact::Sample s = solver.solve(normal(hL, 0.0), normal(hR, 0.0));
    EXPECT_NEAR(s.h, hStar, 1e-9);
    EXPECT_NEAR(s.un, uStar, 1e-9);
    // Shock condition on the right: mass flux across the shock is continuous.
    const double shockSpeed = (hStar * uStar) / (hStar - hR);
    EXPECT_GT(shockSpeed, uStar);
}

TEST(ExactSolver, ShallowTailwaterGivesCriticalFlowAtTheDam) {
    // With hR = 0.1 h0 the left fan spans the dam site: critical flow as for Ritter.
    const Exact solver(g, hmin);
    const Exact::Sample s = solver.solve(normal(h0, 0.0), normal(0.1, 0.0));
    EXPECT_NEAR(s.h, ritterH, 1e-12);
    EXPECT_NEAR(s.un, ritterU, 1e-12);
}

TEST(ExactSolver, CollidingStreamsFormTwoShocks) {
    const Exact solver(g, hmin, 1e-12);
    const Exact::Sample s = solver.solve(normal(1.0, 1.0, 0.4), normal(1.0, -1.0, -0.2));
    EXPECT_NEAR(s.h, starDepthByBisection(1.0, 1.0, 1.0, -1.0), 1e-9);
    EXPECT_NEAR(s.un, 0.0, 1e-9);
    // Asymmetric collision: contact moves right, tangential velocity from the left.
    const Exact::Sample a = solver.solve(normal(1.0, 2.0, 0.4), normal(0.6, -0.5, -0.2));
    EXPECT_NEAR(a.h, starDepthByBisection(1.0, 2.0, 0.6, -0.5), 1e-9);
    EXPECT_GT(a.un, 0.0);
    EXPECT_DOUBLE_EQ(a.ut, 0.4);
}

TEST(ExactSolver, SeparatingStreamsLeaveTheEdgeDry) {
    // uR - uL = 14 exceeds 2 (cL + cR) = 12.5: a dry zone opens around the edge.
    const Exact solver(g, hmin);
    const EdgeFlux F = solver.flux(unitEdge(), states(1.0, -7.0, 1.0, 7.0));
    EXPECT_EQ(F.mass, 0.0);
    EXPECT_EQ(F.momX, 0.0);
    // Just below the limit the middle state is shallow but wet.
    const Exact::Sample s = solver.solve(normal(1.0, -6.0), normal(1.0, 6.0));
    EXPECT_GT(s.h, 0.0);
    EXPECT_LT(s.h, 0.01);
}

TEST(HLLSolver, DryBedDamBreakIsCloseToRitter) {
    const EdgeFlux F = HLL(g, hmin).flux(unitEdge(), states(h0, 0.0, 0.0, 0.0));
    const EdgeFlux G = HLLC(g, hmin).flux(unitEdge(), states(h0, 0.0, 0.0, 0.0));
    for (const EdgeFlux& X : {F, G}) {
        EXPECT_NEAR(X.mass, ritterH * ritterU, 0.25 * ritterH * ritterU);
        EXPECT_EQ(X.momY, 0.0);
    }
}

// The two-wave solvers smear the middle state: within 30 % of the exact discharge.
TEST(HLLSolver, WetBedDamBreakIsCloseToStoker) {
    const double hStar = starDepthByBisection(1.0, 0.0, 0.5, 0.0);
    const double uStar = 2.0 * (std::sqrt(g) - std::sqrt(g * hStar));
    const double qStar = hStar * uStar;
    EXPECT_NEAR(HLL(g, hmin).flux(unitEdge(), states(1.0, 0.0, 0.5, 0.0)).mass, qStar,
                0.3 * qStar);
    EXPECT_NEAR(HLLC(g, hmin).flux(unitEdge(), states(1.0, 0.0, 0.5, 0.0)).mass, qStar,
                0.3 * qStar);
}

TEST(HLLCSolver, TangentialMomentumFollowsTheContact) {
    // Flow from left to right carries the left tangential velocity, and back.
    const EdgeGeometry e = unitEdge();
    const EdgeFlux right = HLLC(g, hmin).flux(e, states(1.0, 0.5, 1.0, 0.5, 0.3, -0.7));
    EXPECT_NEAR(right.momY / right.mass, 0.3, 1e-12);
    const EdgeFlux left = HLLC(g, hmin).flux(e, states(1.0, -0.5, 1.0, -0.5, 0.3, -0.7));
    EXPECT_NEAR(left.momY / left.mass, -0.7, 1e-12);
}

TEST(EdgeDepth, CubicRootIsTheSubcriticalDepth) {
    // h = 1.3, u = 0.8: q = h u, M = h u^2 + g h^2 / 2.
    const double h = 1.3, u = 0.8;
    EXPECT_NEAR(edgeDepthFromFlux(h * u, h * u * u + 0.5 * g * h * h, g), h, 1e-12);
    // Still water: M = g h^2 / 2.
    EXPECT_NEAR(edgeDepthFromFlux(0.0, 0.5 * g * 4.0, g), 2.0, 1e-12);
    // Critical flow, the double root: h = (q^2/g)^(1/3) and M = 3/2 g h^2.
    const double hc = 0.7, q = std::sqrt(g * hc * hc * hc);
    EXPECT_NEAR(edgeDepthFromFlux(q, 1.5 * g * hc * hc, g), hc, 1e-6);
    EXPECT_EQ(edgeDepthFromFlux(0.0, 0.0, g), 0.0);
    // Every subcritical state from rest to just below critical, over six decades
    // of depth: the root comes back to round-off.
    for (double hs : {1e-3, 0.05, 1.0, 12.0, 400.0}) {
        for (int k = 0; k <= 990; ++k) {
            const double fr = 0.001 * k;
            const double us = fr * std::sqrt(g * hs);
            const double got = edgeDepthFromFlux(hs * us, hs * us * us + 0.5 * g * hs * hs, g);
            ASSERT_NEAR(got, hs, 1e-13 * hs / (1.0 - fr)) << "h = " << hs << ", Froude = " << fr;
        }
    }
}

TEST(EdgeWetting, FractionAndMeanSquareDepth) {
    const EdgeWetting full = edgeWetting(1.0, 2.0, 0.0, -1.0);
    EXPECT_EQ(full.f, 1.0);
    EXPECT_NEAR(full.m, 7.0 / 3.0, 1e-15);
    const EdgeWetting part = edgeWetting(0.5, -1.5, 0.0, 2.0);   // wet over the first quarter
    EXPECT_NEAR(part.f, 0.25, 1e-15);
    EXPECT_NEAR(part.m, 0.25 / 3.0, 1e-15);
    const EdgeWetting other = edgeWetting(-3.0, 1.0, 4.0, 0.0);  // wet over the last quarter
    EXPECT_NEAR(other.f, 0.25, 1e-15);
    EXPECT_NEAR(other.m, 1.0 / 3.0, 1e-15);
}

TEST(FirstOrderReconstruction, DepthsFromTheMeanEdgeElevation) {
    EdgeGeometry e = unitEdge();
    e.z1 = 0.2; e.z2 = 0.4; e.zmin = 0.2; e.zmean = 0.3;
    const double hmin2 = 0.05;
    // Both wet, same level: edge depths from zmean, velocities kept.
    EdgeState s = reconstructFirstOrder(e, {1.0, 0.5, 0.1, 1.1}, {0.9, -0.2, 0.3, 1.1}, hmin2, true);
    EXPECT_DOUBLE_EQ(s.hL, 0.8);
    EXPECT_DOUBLE_EQ(s.hR, 0.8);
    EXPECT_EQ(s.uL, 0.5);
    EXPECT_EQ(s.vR, 0.3);
    // Level step of 0.3 over a depth step of 0.1: the element depths take over.
    s = reconstructFirstOrder(e, {1.0, 0.5, 0.1, 1.1}, {0.9, 0.0, 0.0, 1.4}, hmin2, true);
    EXPECT_DOUBLE_EQ(s.hL, 1.0);
    EXPECT_DOUBLE_EQ(s.hR, 0.9);
    s = reconstructFirstOrder(e, {1.0, 0.5, 0.1, 1.1}, {0.9, 0.0, 0.0, 1.4}, hmin2, false);
    EXPECT_DOUBLE_EQ(s.hR, 1.1);
    // A dry element or an edge depth at or below hmin gives an empty side.
    s = reconstructFirstOrder(e, {0.04, 0.5, 0.1, 1.0}, {0.4, 1.0, 1.0, 0.33}, hmin2, true);
    EXPECT_EQ(s.hL, 0.0);
    EXPECT_EQ(s.uL, 0.0);
    EXPECT_EQ(s.hR, 0.0);
    EXPECT_EQ(s.uR, 0.0);
    EXPECT_DOUBLE_EQ(s.wseR, 0.33);
}

TEST(RiemannSolverChoice, KeyWordsAndTheUnknownWord) {
    EXPECT_EQ(riemannSolverKind("hll"), RiemannSolverKind::HLL);
    EXPECT_EQ(riemannSolverKind("hllc"), RiemannSolverKind::HLLC);
    EXPECT_EQ(riemannSolverKind("exact"), RiemannSolverKind::Exact);
    try {
        riemannSolverKind("roe");
        FAIL() << "an unknown solver must end the run";
    } catch (const Flumaris::FatalError& e) {
        EXPECT_EQ(std::string(e.what()), "Unkown type of Riemann solver 'roe'");
    }
    RiemannSolverSettings s;
    s.kind = RiemannSolverKind::HLLC;
    EXPECT_TRUE(withRiemannSolver(s, [](const auto& solver) {
        return std::is_same_v<std::decay_t<decltype(solver)>, HLLC>;
    }));
}

TEST(ExactSolver, IterationLimitWarnsOnceAndKeepsTheLastIterate) {
    // A negative tolerance can never be met: every solve runs to the limit.
    const Exact solver(g, hmin, -1.0);
    const double hStar = starDepthByBisection(1.0, 1.0, 1.0, -1.0);
    ::testing::internal::CaptureStdout();
    const Exact::Sample a = solver.solve(normal(1.0, 1.0), normal(1.0, -1.0));
    const Exact::Sample b = solver.solve(normal(1.0, 1.0), normal(1.0, -1.0));
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NEAR(a.h, hStar, 1e-9);
    EXPECT_EQ(a.h, b.h);
    const auto first = out.find("Max number of iterations (500)");
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("Max number of iterations", first + 1), std::string::npos);
}
