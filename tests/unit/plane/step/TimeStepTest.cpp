// The CFL time step: hand-computed values, its bounds and its warning.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plane/step/FPTimeStep.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

namespace {
constexpr double g = 9.81;
constexpr double hmin = 0.05;
double flat(double, double) { return 0.0; }
}  // namespace

TEST(TimeStep, CflStepOfTwoSquares) {
    // Two 2 x 2 squares, h = 1, u = 2 across the shared edge: A / (L (|u| + c)).
    const Grid grid = rectangle(2, 1, 2.0, 2.0, false, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    s.u_[0] = s.u_[1] = 2.0;
    TimeStepSettings ts;
    ts.cfl = 0.8;
    ts.initial = 1000.0;
    TimeStep step(ts);
    // Wall edges see their single element: the top and bottom edges have u . n = 0,
    // so the shared and the outer vertical edges control.
    const double expected = 0.8 * 4.0 / (2.0 * (2.0 + std::sqrt(g) + 1e-15));
    EXPECT_NEAR(step.compute(grid, s, hmin, g), expected, 1e-14);
    EXPECT_EQ(step.controllingElement(), 0);  // a tie goes to the lower index
}

TEST(TimeStep, FirstStepBoundedByTheInitialStepThenByTheMaximum) {
    // Large, shallow, still elements: the CFL step is far above both bounds.
    const Grid grid = rectangle(3, 3, 1000.0, 1000.0, true, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 0.1; });
    TimeStepSettings ts;
    ts.initial = 1.0;
    ts.maximum = 25.0;
    TimeStep step(ts);
    EXPECT_TRUE(step.firstStep());
    EXPECT_EQ(step.compute(grid, s, hmin, g), 1.0);
    EXPECT_EQ(step.controllingElement(), -1);
    EXPECT_FALSE(step.firstStep());
    EXPECT_EQ(step.compute(grid, s, hmin, g), 25.0);
}

TEST(TimeStep, DryGridKeepsTheBoundAndCelerityCanBeFixed) {
    const Grid grid = rectangle(2, 2, 1.0, 1.0, false, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 0.04; });  // below hmin everywhere
    TimeStepSettings ts;
    ts.initial = 3.0;
    EXPECT_EQ(TimeStep(ts).compute(grid, s, hmin, g), 3.0);

    // With the wave celerity ignored, the depth of maximumWaterDepth sets c.
    fill(grid, s, [](double, double) { return 0.5; });
    ts.ignoreWaveCelerity = true;
    ts.maximumWaterDepth = 4.0;
    ts.initial = 100.0;
    const double c = std::sqrt(g * 4.0) + 1e-15;
    EXPECT_NEAR(TimeStep(ts).compute(grid, s, hmin, g), 1.0 / c, 1e-14);
}

TEST(TimeStep, MinimumStepWarnsOnceWithoutChangingTheStep) {
    const Grid grid = rectangle(2, 1, 0.25, 0.25, false, flat);
    FPState s;
    fill(grid, s, [](double, double) { return 10.0; });
    TimeStepSettings ts;
    ts.minimum = 0.1;
    TimeStep step(ts);
    ::testing::internal::CaptureStdout();
    const double dt = step.compute(grid, s, hmin, g);
    step.compute(grid, s, hmin, g);
    const std::string out = collapsed(::testing::internal::GetCapturedStdout());
    EXPECT_NEAR(dt, 0.25 / (std::sqrt(g * 10.0) + 1e-15), 1e-15);
    const std::string text =
        "is smaller than the minimum time step '0.1' ! Element = 1 controls the time step! "
        "This Warning shows up only once.";
    const auto first = out.find(text);
    EXPECT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("smaller than the minimum", first + text.size()), std::string::npos);
}
