// Whole steps against the analytic dam-break solutions on a strip of
// quadrilaterals: dry bed (Ritter) and wet bed (Stoker).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plane/step/FPEuler.h"
#include "plane/step/FPTimeStep.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

namespace {

constexpr double g = 9.81;
constexpr double h0 = 1.0;
constexpr double x0 = 100.0;
constexpr double tEnd = 6.0;

double ritter(double x, double t) {
    const double c0 = std::sqrt(g * h0), xi = (x - x0) / t;
    if (xi <= -c0) return h0;
    if (xi >= 2.0 * c0) return 0.0;
    return (2.0 * c0 - xi) * (2.0 * c0 - xi) / (9.0 * g);
}

// Stoker: star depth of the two-wave problem by bisection, then the waves.
double stoker(double x, double t, double h1) {
    const double c0 = std::sqrt(g * h0);
    auto residual = [&](double h) {
        const double shock = (h - h1) * std::sqrt(0.5 * g * (h + h1) / (h * h1));
        return 2.0 * (std::sqrt(g * h) - c0) + shock;
    };
    double lo = h1, hi = h0;
    for (int i = 0; i < 200; ++i) (residual(0.5 * (lo + hi)) > 0.0 ? hi : lo) = 0.5 * (lo + hi);
    const double hs = 0.5 * (lo + hi), cs = std::sqrt(g * hs), us = 2.0 * (c0 - cs);
    const double shockSpeed = hs * us / (hs - h1);
    const double xi = (x - x0) / t;
    if (xi <= -c0) return h0;
    if (xi <= us - cs) return (2.0 * c0 - xi) * (2.0 * c0 - xi) / (9.0 * g);
    if (xi <= shockSpeed) return hs;
    return h1;
}

class DamBreakStrip : public ::testing::TestWithParam<RiemannSolverKind> {
protected:
    // Relative L1 error of the depth after tEnd against `exact`.
    template <class Exact>
    double run(double h1, double hmin, Exact exact) {
        const Grid grid = rectangle(200, 1, 1.0, 1.0, false, [](double, double) { return 0.0; });
        FPState s;
        fill(grid, s, [&](double x, double) { return x < x0 ? h0 : h1; });
        EulerSettings es;
        es.hmin = hmin;
        es.solver = GetParam();
        Euler euler(grid, s, es);
        TimeStepSettings ts;
        ts.cfl = 0.9;
        TimeStep step(ts);
        double t = 0.0;
        while (t < tEnd - 1e-12) {
            const double dt = std::min(step.compute(grid, s, hmin, g), tEnd - t);
            euler.step(dt);
            t += dt;
        }
        double err = 0.0, norm = 0.0;
        for (int e = 0; e < grid.numElements(); ++e) {
            const double he = exact(grid.elemCx_[e], t);
            err += std::fabs(s.h_[e] - he);
            norm += he;
            EXPECT_NEAR(s.v_[e], 0.0, 1e-12);
        }
        return err / norm;
    }
};

INSTANTIATE_TEST_SUITE_P(AllSolvers, DamBreakStrip,
                         ::testing::Values(RiemannSolverKind::HLL, RiemannSolverKind::HLLC,
                                           RiemannSolverKind::Exact));

}  // namespace

TEST_P(DamBreakStrip, DryBedFollowsRitter) {
    EXPECT_LT(run(0.0, 1e-3, [](double x, double t) { return ritter(x, t); }), 0.02);
}

TEST_P(DamBreakStrip, WetBedFollowsStoker) {
    const double h1 = 0.3;
    EXPECT_LT(run(h1, 0.01, [&](double x, double t) { return stoker(x, t, h1); }), 0.02);
}
