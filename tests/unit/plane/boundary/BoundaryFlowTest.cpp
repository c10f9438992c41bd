// Boundary conditions end to end on small channels and basins: steady states
// against normal depth and the Poleni law, prescribed levels, and exact
// conservation of the water that the boundaries report.
#include <gtest/gtest.h>

#include <cmath>

#include "core/CouplingInterface.h"
#include "core/MessageService.h"
#include "plane/boundary/FPHQRelationBnd.h"
#include "plane/boundary/FPHydrographBnd.h"
#include "unit/plane/boundary/BoundaryTestUtil.h"

using namespace flumtest;

namespace {

// Steps the case until t, adding each condition's discharge times dt.
struct Ledger {
    std::vector<double> volume;  // per condition [m3]
    void run(PlaneCase& c, double t) {
        auto& p = c.plane();
        if (volume.empty()) {
            p.prepareRun();
            volume.assign(p.boundaryConditions().size(), 0.0);
        }
        while (p.getTime() < t - 1e-12) {
            const double dt = std::min(p.getTimeStep(), t - p.getTime());
            p.advance(dt);
            for (std::size_t k = 0; k < volume.size(); ++k) volume[k] += p.boundaryConditions()[k]->discharge() * dt;
        }
    }
    double total() const {
        double v = 0.0;
        for (double x : volume) v += x;
        return v;
    }
};

double meanDepth(const FlumPlane::FLUMplane_2d& p, double x0, double x1) {
    double sum = 0.0, area = 0.0;
    const auto& g = p.grid();
    for (int e = 0; e < g.numElements(); ++e)
        if (g.elemCx_[e] > x0 && g.elemCx_[e] < x1) {
            sum += p.state().h_[e] * g.elemArea_[e];
            area += g.elemArea_[e];
        }
    return sum / area;
}

}  // namespace

// A sloping channel fed by a constant hydrograph and drained by normal flow
// settles to uniform flow: Manning depth, outflow = inflow.
TEST(BoundaryFlow, SlopingChannelReachesManningNormalDepth) {
    Quiet q;
    MeshLayout m;
    m.nx = 60;
    m.ny = 3;
    m.lx = 120.0;
    m.ly = 3.0;
    const double S = 0.002, n = 0.03, Q = 1.5;
    m.z = [&](double x, double) { return -S * x; };
    const double hn = std::pow(Q / m.ly * n / std::sqrt(S), 0.6);
    const std::string hydr = friction(n) + initialDepth(hn) +
                             block("BOUNDARY", {"type = hydrograph", "string_name = up", "file = q.txt", "slope = 2",
                                                "precision = 0.0001"}) +
                             block("BOUNDARY", {"type = hqrelation", "string_name = down", "slope = 2"});
    const std::string geo = stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx));
    PlaneCase c(planeCommandFile(hydr, 1500.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", rectangularMesh(m)}, {"q.txt", "// Time Q\n0 1.5\n1e6 1.5\n"}});
    Ledger l;
    const double v0 = c.plane().waterVolume();
    l.run(c, 1500.0);
    const auto& bcs = c.plane().boundaryConditions();
    EXPECT_NEAR(bcs[0]->discharge(), Q, 1e-12);
    EXPECT_NEAR(-bcs[1]->discharge(), Q, 1e-3 * Q);
    EXPECT_NEAR(meanDepth(c.plane(), 40.0, 80.0), hn, 0.01 * hn);
    EXPECT_NEAR(c.plane().waterVolume() - v0, l.total(), 1e-9 * v0);
    const auto* hq = dynamic_cast<const FlumPlane::HQRelationBnd*>(bcs[1].get());
    ASSERT_NE(hq, nullptr);
    // conveyance weighting on equal edges: equal shares
    EXPECT_NEAR(hq->edgeDischarges()[0], hq->edgeDischarges()[2], 1e-9);
}

// A basin behind a prescribed level fills to it and drains when it drops.
TEST(BoundaryFlow, PrescribedLevelFillsAndDrainsBasin) {
    Quiet q;
    MeshLayout m;
    m.nx = 10;
    m.ny = 3;
    m.lx = 10.0;
    m.ly = 3.0;
    const std::string hydr = friction(0.02) +
                             block("BOUNDARY", {"type = zhydrograph", "string_name = sea", "file = z.txt",
                                                "zero_velocity = yes"});
    PlaneCase c(planeCommandFile(hydr, 400.0, "", "mesh.2dm", stringDef("sea", columnIds(m, 0))),
                {{"mesh.2dm", rectangularMesh(m)}, {"z.txt", "0 0.5\n150 0.5\n160 0.2\n1000 0.2\n"}});
    Ledger l;
    l.run(c, 150.0);
    EXPECT_NEAR(meanDepth(c.plane(), 0.0, 10.0), 0.5, 0.005);
    EXPECT_NEAR(c.plane().waterVolume(), l.total(), 1e-9 * c.plane().waterVolume());
    l.run(c, 400.0);
    EXPECT_NEAR(meanDepth(c.plane(), 0.0, 10.0), 0.2, 0.005);
    EXPECT_NEAR(c.plane().waterVolume(), l.total(), 1e-9 * 15.0);
}

// A flat channel discharging over a weir: the steady level above the crest is
// the Poleni head of the inflow per metre of crest. The inflow is backwatered
// far above its normal depth, so it takes the level of its elements (local).
TEST(BoundaryFlow, WeirOutflowFollowsPoleni) {
    Quiet q;
    MeshLayout m;
    m.nx = 15;
    m.ny = 3;
    m.lx = 30.0;
    m.ly = 3.0;
    const double Q = 0.6, mu = 0.6, crest = 1.0;
    const double head = std::pow(Q / m.ly / (2.0 / 3.0 * mu * std::sqrt(2.0 * 9.81)), 2.0 / 3.0);
    const std::string hydr = friction(0.01) + initialDepth(crest + head) +
                             block("BOUNDARY", {"type = hydrograph", "string_name = up", "file = q.txt", "slope = 1",
                                                "wse_calc_method = local"}) +
                             block("BOUNDARY", {"type = weir", "string_name = down", "file = crest.txt", "my = 0.6"});
    const std::string geo = stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx));
    PlaneCase c(planeCommandFile(hydr, 600.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", rectangularMesh(m)}, {"q.txt", "0 0.6\n1e6 0.6\n"}, {"crest.txt", "0 1.0\n1e6 1.0\n"}});
    Ledger l;
    const double v0 = c.plane().waterVolume();
    l.run(c, 600.0);
    const auto& p = c.plane();
    EXPECT_NEAR(p.boundaryConditions()[0]->discharge(), Q, 1e-12);
    EXPECT_NEAR(-p.boundaryConditions()[1]->discharge(), Q, 1e-3 * Q);
    const auto& g = p.grid();
    for (int e = 0; e < g.numElements(); ++e) {
        if (g.elemCx_[e] > 28.0) {
            EXPECT_NEAR(p.state().wse_[e] - crest, head, 0.005 * head);
        }
    }
    EXPECT_NEAR(p.waterVolume() - v0, l.total(), 1e-9 * v0);
}

// Free outflow of a still pool: the lowered ghost lets water out; at or below
// the minimum depth nothing passes.
TEST(BoundaryFlow, ZeroGradientDrainsOnlyWetPools) {
    Quiet q;
    MeshLayout m;
    m.nx = 5;
    m.ny = 2;
    m.lx = 5.0;
    m.ly = 2.0;
    for (double h : {0.04, 0.5}) {
        const std::string hydr =
            friction(0.02) + initialDepth(h) + block("BOUNDARY", {"type = zero_gradient", "string_name = out"});
        PlaneCase c(planeCommandFile(hydr, 1.0, "", "mesh.2dm", stringDef("out", columnIds(m, m.nx))),
                    {{"mesh.2dm", rectangularMesh(m)}});
        Ledger l;
        const double v0 = c.plane().waterVolume();
        l.run(c, 1.0);
        if (h < 0.05) {
            EXPECT_EQ(c.plane().waterVolume(), v0);
        } else {
            EXPECT_LT(l.total(), -0.01);
            EXPECT_NEAR(c.plane().waterVolume() - v0, l.total(), 1e-12 * v0);
        }
    }
}

// A coupled hydrograph takes its discharge from what the coupling sets.
TEST(BoundaryFlow, CoupledHydrographFollowsTheCoupling) {
    Quiet q;
    MeshLayout m;
    m.nx = 10;
    m.ny = 2;
    m.lx = 20.0;
    m.ly = 2.0;
    const std::string hydr =
        friction(0.03) + initialDepth(0.3) +
        block("BOUNDARY", {"name = inlet", "type = coupling_hydrograph", "string_name = up", "slope = 1"}) +
        block("BOUNDARY", {"name = outlet", "type = coupling_zero_gradient", "string_name = down"});
    const std::string geo = stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx));
    PlaneCase c(planeCommandFile(hydr, 20.0, "", "mesh.2dm", geo), {{"mesh.2dm", rectangularMesh(m)}});
    auto& p = c.plane();
    Flumaris::CouplingInterface* in = p.findCouplingInterface("inlet");
    Flumaris::CouplingInterface* out = p.findCouplingInterface("outlet");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    EXPECT_FALSE(in->isReady(0.0));
    in->setDischarge(0.0, 0.4);
    EXPECT_TRUE(in->isReady(0.0));
    Ledger l;
    l.run(c, 10.0);
    EXPECT_NEAR(in->getDischarge(10.0), 0.4, 1e-12);
    in->setDischarge(10.0, 0.8);
    l.run(c, 20.0);
    EXPECT_NEAR(in->getDischarge(20.0), 0.8, 1e-12);
    EXPECT_GT(out->getDischarge(20.0), 0.0);
    EXPECT_NEAR(out->getDischarge(20.0), -p.boundaryConditions()[1]->discharge(), 1e-15);
    EXPECT_GT(out->getWaterLevel(20.0), 0.3);
}

// A prescribed level below the edge's bed drains a fully wetted element into a
// dry ghost; with inflow_possible = no a higher level lets nothing in.
TEST(BoundaryFlow, PrescribedLevelBelowTheBedOrWithoutInflow) {
    Quiet q;
    MeshLayout m;
    m.nx = 4;
    m.ny = 2;
    m.lx = 4.0;
    m.ly = 2.0;
    struct Case {
        const char* z;
        const char* inflow;
        double h0, u0;
    };
    // Without inflow the ghost mirrors the interior: still water stays, water flowing out leaves.
    for (const Case& k : {Case{"-1", "yes", 0.5, 0.0}, Case{"2", "no", 0.5, 0.0}, Case{"2", "no", 0.5, -0.5}}) {
        const std::string hydr = friction(0.02) +
                                 block("INITIAL", {"type = index_table", "index = ( 1 )", fmt::format("h = ( {} )", k.h0),
                                                   fmt::format("u = ( {} )", k.u0)}) +
                                 block("BOUNDARY", {"type = zhydrograph", "string_name = sea", "file = z.txt",
                                                    fmt::format("inflow_possible = {}", k.inflow)});
        PlaneCase c(planeCommandFile(hydr, 2.0, "", "mesh.2dm", stringDef("sea", columnIds(m, 0))),
                    {{"mesh.2dm", rectangularMesh(m)}, {"z.txt", fmt::format("0 {0}\n10 {0}\n", k.z)}});
        Ledger l;
        const double v0 = c.plane().waterVolume();
        l.run(c, 2.0);
        if (std::string(k.inflow) == "yes" || k.u0 < 0.0) {
            EXPECT_LT(l.total(), -0.1) << k.z << " " << k.u0;
        } else {
            EXPECT_EQ(l.total(), 0.0);
        }
        EXPECT_NEAR(c.plane().waterVolume() - v0, l.total(), 1e-12 * v0);
    }
}

// A channel drained under a gate with a given factor: the steady upstream
// depth y1 satisfies q = my a sqrt(2 g y1).
TEST(BoundaryFlow, GateOutflowFollowsTheOrificeLaw) {
    Quiet q;
    MeshLayout m;
    m.nx = 15;
    m.ny = 3;
    m.lx = 30.0;
    m.ly = 3.0;
    const double Q = 1.5, my = 0.6, a = 0.2;
    const double y1 = std::pow(Q / m.ly / (my * a), 2.0) / (2.0 * 9.81);
    const std::string hydr = friction(0.01) + initialDepth(y1) +
                             block("BOUNDARY", {"type = hydrograph", "string_name = up", "file = q.txt", "slope = 1",
                                                "wse_calc_method = local"}) +
                             block("BOUNDARY", {"type = gate", "string_name = down", "file = gate.txt", "my = 0.6"});
    const std::string geo = stringDef("up", columnIds(m, 0)) + stringDef("down", columnIds(m, m.nx));
    PlaneCase c(planeCommandFile(hydr, 1200.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", rectangularMesh(m)}, {"q.txt", "0 1.5\n1e6 1.5\n"}, {"gate.txt", "0 0.2\n1e6 0.2\n"}});
    Ledger l;
    const double v0 = c.plane().waterVolume();
    l.run(c, 1200.0);
    const auto& p = c.plane();
    EXPECT_NEAR(-p.boundaryConditions()[1]->discharge(), Q, 1e-3 * Q);
    const auto& g = p.grid();
    for (int e = 0; e < g.numElements(); ++e) {
        if (g.elemCx_[e] > 28.0) {
            EXPECT_NEAR(p.state().h_[e], y1, 0.005 * y1);
        }
    }
    EXPECT_NEAR(p.waterVolume() - v0, l.total(), 1e-9 * v0);
}
