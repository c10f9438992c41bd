// The 2-D subdomain end to end: command file in, state out.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "unit/plane/PlaneCase.h"

using namespace flumtest;

namespace {

const char* kDamBreak =
    "      PARAMETER {\n        minimum_water_depth = 0.001\n        riemann_solver = hllc\n      }\n"
    "      FRICTION {\n        type = manning\n        default_friction = 0.0\n      }\n"
    "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 1.0 0.0 )\n      }\n";

}  // namespace

TEST(PlaneSubdomain, ClosedBasinConservesVolume) {
    Quiet q;
    MeshLayout m;
    m.nx = 40;
    m.ny = 4;
    m.lx = 40;
    m.ly = 4;
    m.triangles = true;
    m.z = [](double x, double y) { return 0.05 * std::sin(x) + 0.02 * y; };
    m.material = [](double x, double) { return x < 15 ? 1 : 2; };
    PlaneCase c(planeCommandFile(kDamBreak, 30.0), {{"mesh.2dm", rectangularMesh(m)}});
    const double v0 = c.plane().waterVolume();
    c.runTo(30.0);
    EXPECT_GT(c.plane().stepCount(), 100);
    EXPECT_NEAR(c.plane().waterVolume(), v0, 1e-12 * v0);
    EXPECT_DOUBLE_EQ(c.plane().getTime(), 30.0);
}

// A dam break down a steep V-shaped valley with 1:2 sides, closed all round:
// thin films run down dry slopes, where an element can lose more water in a
// step than it holds. No water may be made or lost on the way.
TEST(PlaneSubdomain, DamBreakDownASteepDryValleyConservesVolume) {
    Quiet q;
    MeshLayout m;
    m.nx = 60;
    m.ny = 24;
    m.lx = 600;
    m.ly = 240;
    m.triangles = true;
    m.z = [](double x, double y) { return 0.02 * (600.0 - x) + 0.5 * std::fabs(y - 120.0); };
    m.material = [](double x, double) { return x < 150 ? 1 : 2; };
    const std::string hydraulics =
        "      PARAMETER {\n        minimum_water_depth = 0.01\n      }\n"
        "      FRICTION {\n        type = manning\n        default_friction = 0.035\n      }\n"
        "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        wse = ( 30.0 -100.0 )\n      }\n";
    PlaneCase c(planeCommandFile(hydraulics, 900.0), {{"mesh.2dm", rectangularMesh(m)}});
    const double v0 = c.plane().waterVolume();
    c.runTo(900.0);
    EXPECT_GT(c.plane().stepCount(), 1000);
    EXPECT_NEAR(c.plane().waterVolume(), v0, 1e-10 * v0);
    EXPECT_EQ(q.sink.str().find("Mass conservation is not guaranteed"), std::string::npos);
    double lowest = 0.0;
    for (double h : c.plane().state().h_) lowest = std::min(lowest, h);
    EXPECT_EQ(lowest, 0.0);
}

TEST(PlaneSubdomain, MissingFrictionBlockStops) {
    Quiet q;
    MeshLayout m;
    try {
        PlaneCase c(planeCommandFile("      PARAMETER {\n      }\n", 1.0), {{"mesh.2dm", rectangularMesh(m)}});
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "There seems to be no friction block defined, but a friction block is obligatory.\n"
                               "Please define a friction block and restart the program.");
    }
}

// A prescribed bed movement under a lake: the listed nodes follow their series
// in time, the water keeps its volume, and the movement excludes a
// sediment model.
TEST(PlaneSubdomain, MovingBedFollowsItsSeriesAndKeepsTheWater) {
    Quiet q;
    MeshLayout m;
    m.nx = 6;
    m.ny = 2;
    m.lx = 6;
    m.ly = 2;
    const std::string geo = "      BOUNDARY {\n        file = bed.txt\n      }\n";
    const std::string hydraulics =
        "      FRICTION {\n        type = manning\n        default_friction = 0.03\n      }\n"
        "      INITIAL {\n        type = index_table\n        index = ( 1 )\n        wse = ( 1.0 )\n      }\n";
    // nodes 3 and 10 (x = 2, y = 0 and y = 1) rise by 0.4 m over 10 s
    const std::string bed = "0 3 10\n0 0.0 0.0\n10 0.4 0.4\n";
    PlaneCase c(planeCommandFile(hydraulics, 10.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", rectangularMesh(m)}, {"bed.txt", bed}});
    const double v0 = c.plane().waterVolume();
    c.runTo(5.0);
    const auto& g = c.plane().grid();
    EXPECT_DOUBLE_EQ(g.nodeZ_[static_cast<std::size_t>(g.nodeIndexOfId(3))], 0.2);
    EXPECT_DOUBLE_EQ(g.nodeZ_[static_cast<std::size_t>(g.nodeIndexOfId(10))], 0.2);
    EXPECT_EQ(g.nodeZ_[static_cast<std::size_t>(g.nodeIndexOfId(4))], 0.0);
    EXPECT_NEAR(c.plane().waterVolume(), v0, 1e-12 * v0);
    for (int e = 0; e < g.numElements(); ++e)
        EXPECT_DOUBLE_EQ(c.plane().state().wse_[e], c.plane().state().h_[e] + g.elemZb_[e]);

    try {
        PlaneCase with(planeCommandFile(hydraulics, 10.0, "    MORPHOLOGY {\n    }\n", "mesh.2dm", geo),
                       {{"mesh.2dm", rectangularMesh(m)}, {"bed.txt", bed}});
        ADD_FAILURE() << "a moving bed with MORPHOLOGY must stop";
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "If using BOUNDARY (enforced grid movement), no MORPHOLOGY block can be defined.");
    }
}
