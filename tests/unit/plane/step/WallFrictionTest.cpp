// Wall friction: hydraulic radius, mixed coefficient and the elements it touches.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "physics/resistance/Manning.h"
#include "plane/step/FPElementKernels.h"
#include "plane/step/FPWallFriction.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

TEST(WallFriction, EquivalentCoefficientGivesTheWallFrictionRate) {
    // A = 10, h = 1, one wall of length 2 under 1 m of water: Aw = 2, R = 10/12.
    const double A = 10.0, Aw = 2.0, h = 1.0, cfBed = 12.0, cfWall = 6.0, speed = 1.5;
    const double R = 10.0 / 12.0;
    EXPECT_DOUBLE_EQ(wallHydraulicRadius(A, Aw, h), R);
    const double cf = (12.0 * 10.0 + 6.0 * 2.0) / 12.0;
    const double expectedRate = speed / (R * cf * cf);
    const double cfEq = wallEquivalentCoefficient(A, Aw, h, cfBed, cfWall);
    EXPECT_NEAR(bedFrictionRate(speed, h, cfEq), expectedRate, 1e-15);
    // Without wetted walls the bed coefficient is unchanged.
    EXPECT_DOUBLE_EQ(wallEquivalentCoefficient(A, 0.0, h, cfBed, cfWall), cfBed);
}

TEST(WallFriction, OnlyElementsWithWettedWallsChange) {
    // A 3 x 3 basin of 2 m squares, 1 m of water on a flat bed: every element
    // but the centre one touches the walls; corners touch two.
    const Grid grid = rectangle(3, 3, 2.0, 2.0, false, [](double, double) { return 0.0; });
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    const Flumaris::Manning law(false, 21.1);
    const double sqrtG = std::sqrt(9.81), n = 0.03;
    const std::vector<double> values(grid.numElements(), n);
    std::vector<double> cf(grid.numElements(), -1.0);
    const WallFriction walls(grid, law, -1.0);
    EXPECT_EQ(walls.numElements(), 8);
    walls.apply(s, values, 0.05, sqrtG, cf);
    EXPECT_EQ(cf[4], -1.0);  // the centre element is left to the bed law
    const double A = 4.0;
    // Corner: two walls of 2 m under 1 m of water.
    const double Rc = wallHydraulicRadius(A, 4.0, 1.0);
    const double cfc = law.getVelocityCoefficient(n, Rc, 1.0, sqrtG);
    EXPECT_NEAR(cf[0], cfc * std::sqrt(Rc / 1.0), 1e-12);
    // Edge element: one wall.
    const double Re = wallHydraulicRadius(A, 2.0, 1.0);
    const double cfe = law.getVelocityCoefficient(n, Re, 1.0, sqrtG);
    EXPECT_NEAR(cf[1], cfe * std::sqrt(Re), 1e-12);
    // A rougher wall value lowers the coefficient further.
    std::vector<double> rough(cf.size(), -1.0);
    WallFriction(grid, law, 0.1).apply(s, values, 0.05, sqrtG, rough);
    EXPECT_LT(rough[0], cf[0]);
}
