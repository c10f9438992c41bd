// A discharge hydrograph with its default keys entering a reach whose level is
// held downstream: subcritical flow over a bump against the Bernoulli
// solution, and a reach closed by an inner weir against the Poleni law.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "core/MessageService.h"
#include "unit/plane/boundary/BoundaryTestUtil.h"

using namespace flumtest;

namespace {

constexpr double kG = 9.81;

// Depth of the subcritical branch of h + z + q^2/(2 g h^2) = E (Newton from above).
double bernoulliDepth(double q, double z, double E) {
    double h = E - z;
    for (int k = 0; k < 100; ++k) {
        const double f = h + z + q * q / (2.0 * kG * h * h) - E;
        const double df = 1.0 - q * q / (kG * h * h * h);
        const double next = h - f / df;
        if (std::fabs(next - h) < 1e-14) break;
        h = next;
    }
    return h;
}

double bump(double x) { return (x > 8.0 && x < 12.0) ? 0.2 - 0.05 * (x - 10.0) * (x - 10.0) : 0.0; }

struct BumpRun {
    double maxChange = 0.0;   // largest wse change over the last 50 s
    double l1 = 0.0;          // relative L1 depth error against Bernoulli
    double qError = 0.0;      // largest relative error of h u at x = 5, 10, 20
};

// q = 4.42 m2/s over the bump, 2 m downstream; frictionless, default keys at the inflow.
BumpRun runBump(const std::string& outlet, const std::string& initial) {
    MeshLayout m;
    m.nx = 100;
    m.ny = 2;
    m.lx = 25.0;
    m.ly = 1.0;
    m.z = [](double x, double) { return bump(x); };
    const std::string hydr = block("FRICTION", {"type = manning", "default_friction = 0.0", "wall_friction = no"}) +
                             initial +
                             block("BOUNDARY", {"type = hydrograph", "string_name = up", "file = q.txt", "slope = 1"}) +
                             outlet;
    std::string hq;
    for (int k = 0; k <= 80; ++k) hq += fmt::format("{} {}\n", 0.05 * k, 4.42 * std::pow(0.05 * k / 2.0, 1.5));
    PlaneCase c(planeCommandFile(hydr, 400.0, "", "mesh.2dm",
                                 stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx))),
                {{"mesh.2dm", rectangularMesh(m)}, {"q.txt", "0 4.42\n1e6 4.42\n"}, {"z.txt", "0 2\n1e6 2\n"},
                 {"hq.txt", hq}});
    c.runTo(350.0);
    const auto& p = c.plane();
    const auto& g = p.grid();
    const std::vector<double> before = p.state().wse_;
    c.runTo(400.0);
    BumpRun r;
    const double E = 2.0 + 4.42 * 4.42 / (2.0 * kG * 4.0);
    double err = 0.0, sum = 0.0;
    for (int e = 0; e < g.numElements(); ++e) {
        r.maxChange = std::max(r.maxChange, std::fabs(p.state().wse_[e] - before[e]));
        const double exact = bernoulliDepth(4.42, bump(g.elemCx_[e]), E);
        err += std::fabs(p.state().h_[e] - exact);
        sum += exact;
        for (double x : {5.0, 10.0, 20.0})
            if (std::fabs(g.elemCx_[e] - x) < 0.13)
                r.qError = std::max(r.qError, std::fabs(p.state().h_[e] * p.state().u_[e] - 4.42) / 4.42);
    }
    r.l1 = err / sum;
    return r;
}

}  // namespace

TEST(InflowBackwater, SubcriticalFlowOverABumpFromRestAndFromFlow) {
    Quiet q;
    const std::string level = block("BOUNDARY", {"type = zhydrograph", "string_name = down", "file = z.txt"});
    const std::string table = block("BOUNDARY", {"type = hqrelation", "string_name = down", "file = hq.txt"});
    const std::string rest = block("INITIAL", {"type = index_table", "index = ( 1 )", "wse = ( 2.0 )"});
    const std::string flowing =
        block("INITIAL", {"type = index_table", "index = ( 1 )", "wse = ( 2.0 )", "u = ( 2.21 )"});
    const struct {
        const char* what;
        std::string outlet, initial;
    } cases[] = {{"level out, from rest", level, rest},
                 {"h-Q table out, from rest", table, rest},
                 {"level out, flowing", level, flowing}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        const BumpRun r = runBump(k.outlet, k.initial);
        EXPECT_LT(r.maxChange, 1e-3);
        EXPECT_LT(r.l1, 5e-3);
        EXPECT_LT(r.qError, 1e-2);
    }
}

// A channel closed by an inner weir, fed by a hydrograph with default keys:
// the head over the crest follows Poleni, q = (2/3) mu sqrt(2 g) H^1.5.
TEST(InflowBackwater, WeirHeldReachReachesThePoleniHead) {
    Quiet q;
    MeshLayout m;
    m.nx = 40;
    m.ny = 4;
    m.lx = 80.0;
    m.ly = 4.0;
    const double Q = 4.0, crest = 1.0, mu = 0.6;
    const std::string hydr =
        friction(0.02) + initialDepth(1.0) +
        block("BOUNDARY", {"name = inflow", "type = hydrograph", "string_name = up", "file = q.txt", "slope = 1"}) +
        block("INNER_BOUNDARY", {"type = weir", "string_name1 = w", "string_name2 = w", "file = crest.txt",
                                 fmt::format("my = {}", mu)}) +
        block("BOUNDARY", {"type = zero_gradient", "string_name = down"});
    // The boundary history finds a boundary by its STRINGDEF, whatever the boundary's own name.
    const std::string output = "    OUTPUT {\n      SPECIAL_OUTPUT {\n        type = boundary_history\n"
                               "        stringdefs = ( up )\n        output_time_step = 100\n      }\n    }\n";
    PlaneCase c(planeCommandFile(hydr, 600.0, output, "mesh.2dm",
                                 stringDef("up", columnIds(m, 0)) + stringDef("w", columnIds(m, 30)) +
                                     stringDef("down", columnIds(m, m.nx))),
                {{"mesh.2dm", rectangularMesh(m)}, {"q.txt", "0 4\n1e6 4\n"}, {"crest.txt", "0 1\n1e6 1\n"}});
    c.runTo(550.0);
    const auto& p = c.plane();
    const auto& g = p.grid();
    auto level = [&] {
        double sum = 0.0, n = 0.0;
        for (int e = 0; e < g.numElements(); ++e)
            if (g.elemCx_[e] > 50.0 && g.elemCx_[e] < 58.0) {
                sum += p.state().wse_[e];
                n += 1.0;
            }
        return sum / n;
    };
    const double before = level();
    c.runTo(600.0);
    const double H = std::pow(Q / m.ly / (2.0 / 3.0 * mu * std::sqrt(2.0 * kG)), 2.0 / 3.0);
    EXPECT_NEAR(level() - before, 0.0, 1e-3);
    EXPECT_NEAR(level() - crest, H, 5e-3);
    c.plane().finalize(0.0);
    std::ifstream history(c.dir() / "test_boundary_inflow_th.dat");
    std::string line, last;
    while (std::getline(history, line))
        if (!line.empty()) last = line;
    std::istringstream in(last);
    double t = 0.0, qh = 0.0;
    in >> t >> qh;
    EXPECT_DOUBLE_EQ(t, 600.0);
    EXPECT_NEAR(qh, Q, 1e-9);
}
