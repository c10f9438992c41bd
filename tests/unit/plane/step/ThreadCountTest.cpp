// The whole subdomain step (fluxes, wall friction, element update, negative
// depths, commit, time step) gives the same bits with one and two threads.
#include <gtest/gtest.h>

#include <omp.h>

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>

#include "unit/plane/PlaneCase.h"

using namespace flumtest;

namespace {

struct Outcome {
    FlumPlane::FPState state;
    double time = 0.0;
    double dt = 0.0;
};

// Dam break onto a dry, bumpy bed: wet/dry fronts, partly wetted elements,
// wall friction along the sides and a time step set by the fastest edge.
Outcome damBreak(const std::string& solver, bool triangles, int threads) {
    std::ostringstream sink;
    std::streambuf* old = std::cout.rdbuf(sink.rdbuf());
    const int saved = omp_get_max_threads();
    omp_set_num_threads(threads);
    MeshLayout m;
    m.nx = 24;
    m.ny = 6;
    m.lx = 24.0;
    m.ly = 6.0;
    m.triangles = triangles;
    m.z = [](double x, double y) { return 0.04 * std::sin(1.3 * x) * std::cos(0.7 * y) + 0.01 * x; };
    m.material = [](double x, double) { return x < 8.0 ? 1 : 2; };
    const std::string hydraulics =
        "      PARAMETER {\n        minimum_water_depth = 0.01\n        riemann_solver = " + solver +
        "\n      }\n      FRICTION {\n        type = manning\n        default_friction = 0.03\n      }\n"
        "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 0.8 0.0 )\n      }\n";
    PlaneCase c(planeCommandFile(hydraulics, 4.0), {{"mesh.2dm", rectangularMesh(m)}});
    c.runTo(4.0);
    Outcome r{c.plane().state(), c.plane().getTime(), c.plane().getTimeStep()};
    omp_set_num_threads(saved);
    std::cout.rdbuf(old);
    return r;
}

}  // namespace

TEST(ThreadCount, SubdomainStepsAgreeBitForBit) {
    for (const char* solver : {"hll", "hllc", "exact"}) {
        for (const bool triangles : {false, true}) {
            SCOPED_TRACE(std::string(solver) + (triangles ? " triangles" : " quadrilaterals"));
            const Outcome one = damBreak(solver, triangles, 1);
            const Outcome two = damBreak(solver, triangles, 2);
            EXPECT_EQ(one.time, two.time);
            EXPECT_EQ(one.dt, two.dt);
            EXPECT_EQ(one.state.h_, two.state.h_);
            EXPECT_EQ(one.state.u_, two.state.u_);
            EXPECT_EQ(one.state.v_, two.state.v_);
            EXPECT_EQ(one.state.fluxMass_, two.state.fluxMass_);
            // the front left the initially wet third of the channel
            int wet = 0;
            for (double h : one.state.h_) wet += h > 0.0 ? 1 : 0;
            EXPECT_GT(wet, static_cast<int>(one.state.h_.size()) / 2);
        }
    }
}
