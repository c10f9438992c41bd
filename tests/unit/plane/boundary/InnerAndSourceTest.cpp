// Inner structures and external sources: water moves between two parts of a
// mesh by the weir law, and sources and sinks change the volume by exactly
// the integral of their series.
#include <gtest/gtest.h>

#include <cmath>

#include "core/MessageService.h"
#include "plane/boundary/FPExternalSourceHydr.h"
#include "plane/boundary/FPInnerBoundary.h"
#include "unit/plane/boundary/BoundaryTestUtil.h"

using namespace flumtest;

namespace {

// Two 10 m x 3 m basins of 10 x 3 quads with a 1 m gap between them; node ids
// of the right basin start at 1001, elements of the right basin have material 2.
// The beds rise by crossSlope per metre across the basins; the right one lies
// rightBed higher.
std::string twoBasins(double crossSlope = 0.0, double rightBed = 0.0) {
    std::string out = "MESH2D\n";
    int eid = 1;
    for (int part = 0; part < 2; ++part) {
        const int off = part * 1000;
        auto nid = [&](int i, int j) { return off + j * 11 + i + 1; };
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 10; ++i)
                out += fmt::format("E4Q {} {} {} {} {} {}\n", eid++, nid(i, j), nid(i + 1, j), nid(i + 1, j + 1),
                                   nid(i, j + 1), part + 1);
        for (int j = 0; j <= 3; ++j)
            for (int i = 0; i <= 10; ++i)
                out += fmt::format("ND {} {} {} {}\n", nid(i, j), part * 11.0 + i, j * 1.0,
                                   crossSlope * j + part * rightBed);
    }
    return out;
}

double partVolume(const FlumPlane::FLUMplane_2d& p, int material) {
    double v = 0.0;
    const auto& g = p.grid();
    for (int e = 0; e < g.numElements(); ++e)
        if (g.elemMaterial_[e] == material) v += p.state().h_[e] * g.elemArea_[e];
    return v;
}

const std::string kTwoLevels = block("INITIAL", {"type = index_table", "index = ( 1 2 )", "h = ( 1.5 0.2 )"});

}  // namespace

// A weir between the basins: the first step passes the Poleni discharge, the
// volume stays the same to round-off and the upper basin falls towards the crest.
TEST(InnerBoundary, WeirPassesPoleniDischargeBetweenTwoStrings) {
    Quiet q;
    const std::string geo = stringDef("gap_left", {11, 22, 33, 44}) + stringDef("gap_right", {1001, 1012, 1023, 1034});
    const std::string hydr = friction(0.02) + kTwoLevels +
                             block("INNER_BOUNDARY", {"type = weir", "string_name1 = gap_left",
                                                      "string_name2 = gap_right", "file = crest.txt", "my = 0.6"});
    PlaneCase c(planeCommandFile(hydr, 300.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", twoBasins()}, {"crest.txt", "0 1.0\n1e6 1.0\n"}});
    auto& p = c.plane();
    const double v0 = p.waterVolume();
    c.runTo(1e-3);
    const double poleni = 2.0 / 3.0 * 0.6 * std::sqrt(2.0 * 9.81 * 0.5 * 0.5 * 0.5) * 3.0;
    EXPECT_NEAR(p.boundaryConditions()[0]->discharge(), poleni, 1e-12 * poleni);
    c.runTo(300.0);
    EXPECT_NEAR(p.waterVolume(), v0, 1e-12 * v0);
    const double left = partVolume(p, 1) / 30.0, right = partVolume(p, 2) / 30.0;
    EXPECT_GT(left, 1.0);
    EXPECT_LT(left, 1.1);
    EXPECT_NEAR(right, 0.2 + (1.5 - left), 1e-9);
}

// A shallow basin over a crest far below the beds, next to a dry one, while its
// water also runs sideways: elements at the weir lose more than they hold, and the
// correction takes the excess back from the element across the structure, so
// no water is made.
TEST(InnerBoundary, OverdrawnWeirElementRefillsFromAcrossTheStructure) {
    Quiet q;
    const std::string geo = stringDef("gap_left", {11, 22, 33, 44}) + stringDef("gap_right", {1001, 1012, 1023, 1034});
    const std::string hydr = friction(0.02) +
                             block("INITIAL", {"type = index_table", "index = ( 1 2 )", "h = ( 0.3 0.0 )"}) +
                             block("INNER_BOUNDARY", {"type = weir", "string_name1 = gap_left",
                                                      "string_name2 = gap_right", "file = crest.txt", "my = 0.9"});
    PlaneCase c(planeCommandFile(hydr, 120.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", twoBasins(0.05)}, {"crest.txt", "0 -5.0\n1e6 -5.0\n"}});
    auto& p = c.plane();
    const double v0 = p.waterVolume();
    c.runTo(120.0);
    EXPECT_NEAR(p.waterVolume(), v0, 1e-12 * v0);
    EXPECT_GT(partVolume(p, 2), 0.02 * v0);
}

// Water below the bed of a dry basin does not climb over the weir into it.
TEST(InnerBoundary, WeirPassesNothingIntoADryBasinAboveTheWater) {
    Quiet q;
    const std::string geo = stringDef("gap_left", {11, 22, 33, 44}) + stringDef("gap_right", {1001, 1012, 1023, 1034});
    const std::string hydr = friction(0.02) +
                             block("INITIAL", {"type = index_table", "index = ( 1 2 )", "h = ( 0.3 0.0 )"}) +
                             block("INNER_BOUNDARY", {"type = weir", "string_name1 = gap_left",
                                                      "string_name2 = gap_right", "file = crest.txt", "my = 0.6"});
    PlaneCase c(planeCommandFile(hydr, 60.0, "", "mesh.2dm", geo),
                {{"mesh.2dm", twoBasins(0.0, 0.5)}, {"crest.txt", "0 0.0\n1e6 0.0\n"}});
    auto& p = c.plane();
    c.runTo(60.0);
    EXPECT_EQ(partVolume(p, 2), 0.0);
    EXPECT_NEAR(partVolume(p, 1), 9.0, 1e-12);
}

// The same weir on one line of interior edges named twice: the edges leave the
// interior sweep, and the structure alone moves the water.
TEST(InnerBoundary, WeirOnInteriorLineReplacesTheRiemannFlux) {
    Quiet q;
    MeshLayout m;
    m.nx = 20;
    m.ny = 3;
    m.lx = 20.0;
    m.ly = 3.0;
    m.material = [](double x, double) { return x < 10.0 ? 1 : 2; };
    const std::string hydr = friction(0.02) + kTwoLevels +
                             block("INNER_BOUNDARY", {"type = weir", "string_name1 = mid", "string_name2 = mid",
                                                      "file = crest.txt", "my = 0.6"});
    PlaneCase c(planeCommandFile(hydr, 300.0, "", "mesh.2dm", stringDef("mid", columnIds(m, 10))),
                {{"mesh.2dm", rectangularMesh(m)}, {"crest.txt", "0 1.0\n1e6 1.0\n"}});
    auto& p = c.plane();
    EXPECT_EQ(p.grid().interiorEdges_.size(), static_cast<std::size_t>(19 * 3 + 20 * 2 - 3));
    const double v0 = p.waterVolume();
    c.runTo(1e-3);
    const double poleni = 2.0 / 3.0 * 0.6 * std::sqrt(2.0 * 9.81 * 0.125) * 3.0;
    EXPECT_NEAR(p.boundaryConditions()[0]->discharge(), poleni, 1e-12 * poleni);
    c.runTo(300.0);
    EXPECT_NEAR(p.waterVolume(), v0, 1e-12 * v0);
    EXPECT_LT(partVolume(p, 1) / 30.0, 1.1);
}

// Dummy and exact inner fluxes: nothing passes, or the basins level out.
TEST(InnerBoundary, DummyBlocksAndExactFluxLevelsTheBasins) {
    Quiet q;
    const std::string geo = stringDef("a", {11, 22, 33, 44}) + stringDef("b", {1001, 1012, 1023, 1034});
    for (const char* type : {"dummy_flux", "exact_flux"}) {
        const std::string hydr = friction(0.02) + kTwoLevels +
                                 block("INNER_BOUNDARY", {fmt::format("type = {}", type), "string_name1 = a",
                                                          "string_name2 = b"});
        PlaneCase c(planeCommandFile(hydr, 400.0, "", "mesh.2dm", geo), {{"mesh.2dm", twoBasins()}});
        const double v0 = c.plane().waterVolume();
        c.runTo(400.0);
        EXPECT_NEAR(c.plane().waterVolume(), v0, 1e-12 * v0);
        const double left = partVolume(c.plane(), 1) / 30.0;
        if (std::string(type) == "dummy_flux")
            EXPECT_NEAR(left, 1.5, 1e-12);
        else
            EXPECT_NEAR(left, 0.85, 0.02);
    }
}

// A source on the left basin and a sink on the right one: each changes its
// basin by the integral of its series; a sink larger than the water present is
// limited and reports what it took.
TEST(ExternalSource, SourceAndSinkMatchTheirSeries) {
    Quiet q;
    std::string ids;
    for (int id = 31; id <= 60; ++id) ids += fmt::format(" {}", id);
    const std::string hydr =
        friction(0.02) + block("INITIAL", {"type = index_table", "index = ( 1 2 )", "h = ( 0.5 0.5 )"}) +
        sources(block("EXTERNAL_SOURCE",
                      {"name = in", "type = source_discharge", "source_file = in.txt", "index = ( 1 )"}) +
                block("EXTERNAL_SOURCE",
                      {"name = out", "source_file = out.txt", fmt::format("element_ids = ({} )", ids)}));
    PlaneCase c(planeCommandFile(hydr, 100.0), {{"mesh.2dm", twoBasins()},
                                                 {"in.txt", "0 0.3\n100 0.3\n"},
                                                 {"out.txt", "0 -0.05\n50 -0.05\n60 -5\n100 -5\n"}});
    auto& p = c.plane();
    const double vl = partVolume(p, 1), vr = partVolume(p, 2);
    c.runTo(50.0);
    EXPECT_NEAR(partVolume(p, 1) - vl, 0.3 * 50.0, 1e-9);
    EXPECT_NEAR(partVolume(p, 2) - vr, -0.05 * 50.0, 1e-9);
    double taken = 0.0;
    const auto* sink = dynamic_cast<const FlumPlane::ExternalSourceHydr*>(p.boundaryConditions()[1].get());
    ASSERT_NE(sink, nullptr);
    const double before = partVolume(p, 2);
    while (p.getTime() < 100.0 - 1e-12) {
        const double dt = std::min(p.getTimeStep(), 100.0 - p.getTime());
        p.advance(dt);
        taken += sink->discharge() * dt;
    }
    EXPECT_NEAR(partVolume(p, 2) - before, taken, 1e-9);
    EXPECT_GT(taken, -before);
    for (int e = 0; e < p.grid().numElements(); ++e) EXPECT_GE(p.state().h_[e], 0.0);
}
