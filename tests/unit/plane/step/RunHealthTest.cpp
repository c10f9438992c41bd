// The run-health check: each kind of broken state stops the run with the
// element, the time and the last trustworthy output; healthy open runs keep
// their volume balance to round-off, so the check never fires on them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/MessageService.h"
#include "plane/output/FPOutput.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPRunHealth.h"
#include "unit/plane/PlaneCase.h"
#include "unit/plane/boundary/BoundaryTestUtil.h"
#include "unit/plane/step/PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace flumtest;

namespace {

// An output that is due at the times the test gives it.
class DueAt final : public FPOutput {
public:
    void initialize(double, double) override {}
    void afterStep(double, double) override {}
    void finalize(double) override {}
    double nextOutputTime() const override { return next; }
    double next = std::numeric_limits<double>::infinity();
};

// Four 1 m x 1 m cells on a flat bed under 1 m of still water, watched from t = 1.
struct Basin {
    Grid grid = FlumPlaneTest::rectangle(4, 1, 1.0, 1.0, false, [](double, double) { return 0.0; });
    FPState state;
    EulerSettings settings;
    std::vector<std::unique_ptr<FPOutput>> outputs;
    DueAt* output = nullptr;
    FPRunHealth health{"basin", grid, state, settings, outputs};
    double t = 1.0;

    Basin() {
        FlumPlaneTest::fill(grid, state, [](double, double) { return 1.0; });
        auto o = std::make_unique<DueAt>();
        output = o.get();
        outputs.push_back(std::move(o));
        health.afterStep(t, 1.0);
    }
    // Steps of 1 s until the check speaks or a full scan interval has passed.
    std::string runScanInterval() {
        try {
            for (int k = 0; k < FPRunHealth::kScanInterval; ++k) health.afterStep(t += 1.0, 1.0);
        } catch (const Flumaris::FatalError& e) {
            return e.what();
        }
        return "(no error)";
    }
};

}  // namespace

TEST(RunHealth, EachBrokenStateNamesElementAndTime) {
    Quiet q;
    const auto broken = [](const std::function<void(Basin&)>& breakIt) {
        Basin b;  // relief 0, 1 m of water: depth limit 20 m, speed limit 2 sqrt(20 g)
        EXPECT_EQ(b.runScanInterval(), "(no error)");  // still water is healthy
        breakIt(b);
        return b.runScanInterval();
    };
    EXPECT_EQ(broken([](Basin& b) { b.state.v_[2] = std::nan(""); }),
              "Error: The run of the subdomain 'basin' has become unstable at t = 32 s: element #3 has a depth or "
              "velocity that is not a finite number (h = 1 m, u = 0 m/s, v = nan m/s).\nResults written at or "
              "before t = 0 s are trustworthy; later ones are not.\nReduce CFL or maximum_time_step in the TIMESTEP "
              "block, and check the mesh, the boundary conditions and the initial conditions near element #3.");
    EXPECT_NE(broken([](Basin& b) { b.state.h_[1] = 1.0e6; })
                  .find("element #2 holds a depth of 1e+06 m, beyond any river on this bed (limit 20 m: 10 times the "
                        "bed relief and the deepest water at the start, plus 10 m)."),
              std::string::npos);
    EXPECT_NE(broken([](Basin& b) {
                  b.state.u_[3] = 30.0;  // in 1 m of water: counted
                  b.state.h_[0] = 0.4;   // a film below 10 hmin may flow at any speed
                  b.state.u_[0] = 150.0;
                  b.state.h_[1] = 1.6;  // the volume stays what it was
              }).find("element #4 flows at 30 m/s in 1 m of water, beyond any river on this bed (limit 28.0143 m/s, "
                      "the front of a dam break as deep as the depth limit of 20 m)."),
              std::string::npos);
}

TEST(RunHealth, VolumeBalanceAndTrustedOutputs) {
    Quiet q;
    Basin b;
    b.state.h_[0] += 0.16;  // 4 % more water from nowhere: below the 5 % allowed
    EXPECT_EQ(b.runScanInterval(), "(no error)");
    EXPECT_NEAR(b.health.volumeError(), 0.16, 1e-12);
    // An output due forces a scan at once: what it writes has passed the check.
    b.output->next = b.t + 1.0;
    b.health.afterStep(b.t += 1.0, 1.0);
    b.output->next = std::numeric_limits<double>::infinity();
    b.state.h_[2] += 0.1;  // 6.5 % in all
    EXPECT_NE(b.runScanInterval().find(
                  "at t = 34 s: the water volume has changed by 0.26 m3 while the boundaries and sources brought 0 m3; "
                  "the balance is off by 0.26 m3, more than 5% of the 4.2 m3 of water that was on or passed through "
                  "the mesh. Element #1 is the deepest, with 1.16 m.\nResults written at or before t = 18 s are "
                  "trustworthy"),
              std::string::npos);
}

// A channel with an unsteady inflow hydrograph, an h-Q outflow and a source:
// the volume on the mesh changes by exactly what the boundaries and the source
// passed (the check counts them itself), and the run ends healthy.
TEST(RunHealth, OpenChannelBalancesToRoundOff) {
    Quiet q;
    MeshLayout m;
    m.nx = 30;
    m.ny = 3;
    m.lx = 60.0;
    m.ly = 3.0;
    m.triangles = true;
    m.z = [](double x, double y) { return -0.002 * x + 0.01 * y; };
    const std::string hydr =
        friction(0.03) + initialDepth(0.3) +
        block("BOUNDARY", {"type = hydrograph", "string_name = up", "file = q.txt", "slope = 2"}) +
        block("BOUNDARY", {"type = hqrelation", "string_name = down", "slope = 2"}) +
        sources(block("EXTERNAL_SOURCE", {"name = rain", "source_file = s.txt", "element_ids = ( 20 21 22 )"}));
    const std::string geo = stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx));
    PlaneCase c(planeCommandFile(hydr, 200.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", rectangularMesh(m)},
                 {"q.txt", "0 0.2\n100 1.5\n200 0.5\n"},
                 {"s.txt", "0 0.0\n50 0.05\n120 -0.02\n200 0.0\n"}});
    const double v0 = c.plane().waterVolume();
    c.runTo(200.0);
    const FPRunHealth& h = c.plane().runHealth();
    EXPECT_GT(std::fabs(c.plane().waterVolume() - v0), 10.0);
    EXPECT_NEAR(h.volumeError(), 0.0, 1e-12 * c.plane().waterVolume());
}
