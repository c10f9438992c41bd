// The 2-D subdomain against analytic solutions, run through the command file.
#include <gtest/gtest.h>
#include <omp.h>

#include <cmath>
#include <functional>

#include "core/Flumaris.h"
#include "unit/plane/PlaneCase.h"

using namespace flumtest;

namespace {

constexpr double kG = 9.81;

// Ritter: dam at x0 with depth h0 upstream and a dry bed downstream.
double ritter(double x, double t, double x0, double h0) {
    const double c0 = std::sqrt(kG * h0), xi = (x - x0) / t;
    if (xi <= -c0) return h0;
    if (xi >= 2.0 * c0) return 0.0;
    const double r = 2.0 * c0 - xi;
    return r * r / (9.0 * kG);
}

// Stoker: dam at x0 with depths hL > hR at rest; the star depth by bisection.
struct Stoker {
    double hL, hR, hs, us, S;
    Stoker(double l, double r) : hL(l), hR(r) {
        const double cL = std::sqrt(kG * hL);
        auto f = [&](double h) {
            const double fL = 2.0 * (std::sqrt(kG * h) - cL);
            const double fR = (h - hR) * std::sqrt(0.5 * kG * (h + hR) / (h * hR));
            return fL + fR;
        };
        double a = hR, b = hL;
        for (int i = 0; i < 200; ++i) {
            const double m = 0.5 * (a + b);
            (f(m) > 0.0 ? b : a) = m;
        }
        hs = 0.5 * (a + b);
        us = 2.0 * (cL - std::sqrt(kG * hs));
        S = hs * us / (hs - hR);
    }
    double depth(double x, double t, double x0) const {
        const double cL = std::sqrt(kG * hL), cs = std::sqrt(kG * hs), xi = (x - x0) / t;
        if (xi <= -cL) return hL;
        if (xi <= us - cs) {
            const double r = 2.0 * cL - xi;
            return r * r / (9.0 * kG);
        }
        return xi <= S ? hs : hR;
    }
};

std::string hydraulics(const std::string& solver, double hRight, double hmin = 0.001) {
    return "      PARAMETER {\n        minimum_water_depth = " + std::to_string(hmin) + "\n        riemann_solver = " + solver +
           "\n      }\n      FRICTION {\n        type = manning\n        default_friction = 0.0\n      }\n"
           "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 1.0 " +
           std::to_string(hRight) + " )\n      }\n";
}

// Mean absolute depth error [m] over the channel at time T.
double damBreakError(const std::string& solver, bool triangles, int nx, double hRight,
                     const std::function<double(double, double)>& exact) {
    MeshLayout m;
    m.nx = nx;
    m.ny = 2;
    m.lx = 100.0;
    m.ly = 2.0;
    m.triangles = triangles;
    m.material = [](double x, double) { return x < 50.0 ? 1 : 2; };
    PlaneCase c(planeCommandFile(hydraulics(solver, hRight), 5.0), {{"mesh.2dm", rectangularMesh(m)}});
    c.runTo(5.0);
    const auto& g = c.plane().grid();
    const auto& s = c.plane().state();
    double err = 0.0, area = 0.0;
    for (int e = 0; e < g.numElements(); ++e) {
        err += std::fabs(s.h_[e] - exact(g.elemCx_[e], 5.0)) * g.elemArea_[e];
        area += g.elemArea_[e];
    }
    return err / area;
}

}  // namespace

// First-order schemes converge like dx^(1/2..1) at the fan corners and the front:
// the error must fall under refinement and stay below a few centimetres on 1 m.
class DamBreak : public ::testing::TestWithParam<std::tuple<std::string, bool>> {};

TEST_P(DamBreak, DryBedFollowsRitterAndConverges) {
    Quiet q;
    const auto [solver, triangles] = GetParam();
    auto exact = [](double x, double t) { return ritter(x, t, 50.0, 1.0); };
    const double coarse = damBreakError(solver, triangles, 50, 0.0, exact);
    const double fine = damBreakError(solver, triangles, 200, 0.0, exact);
    EXPECT_LT(fine, 0.8 * coarse) << solver;
    EXPECT_LT(fine, 0.02) << solver;
}

TEST_P(DamBreak, WetBedFollowsStokerAndConverges) {
    Quiet q;
    const auto [solver, triangles] = GetParam();
    const Stoker st(1.0, 0.1);
    auto exact = [&](double x, double t) { return st.depth(x, t, 50.0); };
    const double coarse = damBreakError(solver, triangles, 50, 0.1, exact);
    const double fine = damBreakError(solver, triangles, 200, 0.1, exact);
    EXPECT_LT(fine, 0.8 * coarse) << solver;
    EXPECT_LT(fine, 0.02) << solver;
}

INSTANTIATE_TEST_SUITE_P(SolversAndElements, DamBreak,
                         ::testing::Combine(::testing::Values("hll", "hllc", "exact"), ::testing::Bool()));

TEST(PlaneRun, LakeAtRestOverUnevenBedWithPartlyWetElements) {
    Quiet q;
    MeshLayout m;
    m.nx = 30;
    m.ny = 6;
    m.lx = 30.0;
    m.ly = 6.0;
    m.triangles = true;
    m.z = [](double x, double y) { return 0.4 * std::sin(0.5 * x) + 0.1 * std::cos(y); };
    // A level at which no element holds less than the wet/dry depth: the start
    // state itself is then at rest (shallower water would be cleared to dry).
    const double hmin = 0.001;
    PlaneCase probe(planeCommandFile(
                        "      FRICTION {\n        type = manning\n        default_friction = 0.03\n      }\n", 1.0),
                    {{"mesh.2dm", rectangularMesh(m)}});
    const auto& zb = probe.plane().grid().elemZb_;
    double level = 0.2;
    for (; level < 0.3; level += 0.001) {
        bool clean = true;
        for (double z : zb) clean = clean && !(level - z > 0.0 && level - z < hmin + 1e-9);
        if (clean) break;
    }
    ASSERT_LT(level, 0.3);
    const std::string hyd =
        "      PARAMETER {\n        minimum_water_depth = 0.001\n      }\n"
        "      FRICTION {\n        type = manning\n        default_friction = 0.03\n      }\n"
        "      INITIAL {\n        type = index_table\n        index = ( 1 )\n        wse = ( " + std::to_string(level) + " )\n      }\n";
    PlaneCase c(planeCommandFile(hyd, 60.0), {{"mesh.2dm", rectangularMesh(m)}});
    const auto& g = c.plane().grid();
    const auto& s = c.plane().state();
    int partial = 0;
    for (int e = 0; e < g.numElements(); ++e)
        if (s.h_[e] > 0.0 && !s.fullyWetted_[e]) ++partial;
    ASSERT_GT(partial, 10);  // the test is about elements cut by the shore line
    c.runTo(60.0);
    double vmax = 0.0;
    for (int e = 0; e < g.numElements(); ++e) vmax = std::max(vmax, s.speed_[e]);
    EXPECT_LT(vmax, 1e-8);
}

TEST(PlaneRun, FirstStepBoundedAndThreadCountDoesNotChangeResults) {
    Quiet q;
    MeshLayout m;
    m.nx = 40;
    m.ny = 8;
    m.lx = 40.0;
    m.ly = 8.0;
    m.triangles = true;
    m.z = [](double x, double y) { return 0.02 * x + 0.05 * std::sin(y); };
    m.material = [](double x, double y) { return x + y < 20.0 ? 1 : 2; };
    const std::string hyd =
        "      PARAMETER {\n        riemann_solver = exact\n      }\n"
        "      FRICTION {\n        type = strickler\n        default_friction = 30\n      }\n"
        "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        wse = ( 1.5 0.0 )\n      }\n";
    auto run = [&](int threads) {
        omp_set_num_threads(threads);
        PlaneCase c(planeCommandFile(hyd, 8.0), {{"mesh.2dm", rectangularMesh(m)}});
        c.prepare();
        EXPECT_LE(c.plane().getTimeStep(), 1.0);  // initial_time_step
        c.runTo(8.0);
        const auto& s = c.plane().state();
        return std::vector<std::vector<double>>{s.h_, s.u_, s.v_, s.fluxMass_};
    };
    const auto one = run(1);
    const auto two = run(2);
    omp_set_num_threads(1);
    for (std::size_t k = 0; k < one.size(); ++k) EXPECT_TRUE(one[k] == two[k]) << "field " << k;
}
