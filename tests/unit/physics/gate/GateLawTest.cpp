// The sluice-gate law against hand-computed values of the energy form.
#include <gtest/gtest.h>

#include <cmath>

#include "core/MessageService.h"
#include "physics/gate/GateLaw.h"

#include <iostream>
#include <sstream>

namespace {
struct Quiet {
    std::ostringstream sink;
    std::streambuf* old = std::cout.rdbuf(sink.rdbuf());
    ~Quiet() { std::cout.rdbuf(old); }
};
}  // namespace

using Flumaris::gateDischarge;

TEST(GateLaw, FreeSubmergedLiftedAndGivenFactor) {
    const double g = 9.81;
    // opening 0.5 m, upstream depth 2 m, free outflow
    const double Cd = 0.61 / std::sqrt(1.0 + 0.61 * 0.5 / 2.0);
    const double qFree = Cd * 0.5 * std::sqrt(2.0 * g * 2.0);
    EXPECT_NEAR(gateDischarge(10.5, 12.0, 9.0, 10.0, -1.0, g), qFree, 1e-12);
    // tailwater up to the vena contracta is still free; at the upstream level nothing passes
    EXPECT_NEAR(gateDischarge(10.5, 12.0, 10.0 + 0.61 * 0.5, 10.0, -1.0, g), qFree, 1e-12);
    EXPECT_NEAR(gateDischarge(10.5, 12.0, 12.0, 10.0, -1.0, g), 0.0, 1e-12);
    // halfway between vena contracta and upstream depth: the head is halved
    const double y3 = 0.5 * (0.305 + 2.0);
    EXPECT_NEAR(gateDischarge(10.5, 12.0, 10.0 + y3, 10.0, -1.0, g), qFree * std::sqrt(0.5), 1e-12);
    // a given factor replaces the dynamic one
    EXPECT_NEAR(gateDischarge(10.5, 12.0, 9.0, 10.0, 0.6, g), 0.6 * 0.5 * std::sqrt(2.0 * g * 2.0), 1e-12);
    // gate above the water: critical flow over the sill
    EXPECT_NEAR(gateDischarge(13.0, 11.0, 9.0, 10.0, -1.0, g), std::sqrt(g) * std::pow(2.0 / 3.0, 1.5), 1e-12);
    EXPECT_EQ(gateDischarge(10.5, 9.5, 9.0, 10.0, -1.0, g), 0.0);
    Quiet q;
    try {
        gateDischarge(9.9, 12.0, 9.0, 10.0, -1.0, g);
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "Fatal error for inner gate: height underneath gate is negative!");
    }
}
