// Element update: wetted volumes, bed slope against edge pressure, wetting and drying.
#include <gtest/gtest.h>

#include <cmath>

#include "plane/flux/FPExact.h"
#include "plane/flux/FPHLL.h"
#include "plane/step/FPElementKernels.h"

using namespace FlumPlane;

namespace {

constexpr double g = 9.81;
constexpr double hmin = 0.05;

ElementBed triangle(double z0, double z1, double z2) {
    ElementBed b;
    b.n = 3;
    const double xs[3] = {0.0, 4.0, 1.0}, ys[3] = {0.0, 0.5, 3.0}, zs[3] = {z0, z1, z2};
    for (int k = 0; k < 3; ++k) {
        b.x[k] = xs[k]; b.y[k] = ys[k]; b.z[k] = zs[k];
        b.cx += xs[k] / 3.0; b.cy += ys[k] / 3.0; b.zc += zs[k] / 3.0;
    }
    b.area = 0.5 * ((b.x[1] - b.x[0]) * (b.y[2] - b.y[0]) - (b.x[2] - b.x[0]) * (b.y[1] - b.y[0]));
    return b;
}

ElementBed quadrilateral(double z0, double z1, double z2, double z3) {
    ElementBed b;
    b.n = 4;
    const double xs[4] = {0.0, 3.0, 3.5, -0.5}, ys[4] = {0.0, 0.2, 2.5, 2.0};
    const double zs[4] = {z0, z1, z2, z3};
    for (int k = 0; k < 4; ++k) {
        b.x[k] = xs[k]; b.y[k] = ys[k]; b.z[k] = zs[k];
        b.cx += xs[k] / 4.0; b.cy += ys[k] / 4.0; b.zc += zs[k] / 4.0;
    }
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        b.partialArea[k] = 0.5 * ((b.x[k1] - b.x[k]) * (b.cy - b.y[k]) -
                                  (b.cx - b.x[k]) * (b.y[k1] - b.y[k]));
        b.area += b.partialArea[k];
    }
    return b;
}

// Edge k of the element, walked counter-clockwise: the element is its left side.
EdgeGeometry edgeOf(const ElementBed& b, int k) {
    const int k1 = (k + 1) % b.n;
    EdgeGeometry e;
    e.a = b.y[k1] - b.y[k];
    e.b = b.x[k1] - b.x[k];
    e.L = std::hypot(e.a, e.b);
    e.z1 = b.z[k];
    e.z2 = b.z[k1];
    e.zmin = std::min(e.z1, e.z2);
    e.zmean = 0.5 * (e.z1 + e.z2);
    return e;
}

// Still water at level W in the element and all its neighbours, one step.
template <class Solver>
ElementResult stillWaterStep(const ElementBed& b, double W) {
    const Solver solver(g, hmin);
    const ElementSide still{W - b.zc, 0.0, 0.0, W};
    ElementInput in;
    in.h = W - b.zc;
    in.zb = b.zc;
    for (int k = 0; k < b.n; ++k) {
        const EdgeFlux F = interiorEdgeFlux(solver, edgeOf(b, k), still, still, hmin, true);
        addEdgeInflow(in.inflow, +1.0, F.mass, F.momX, F.momY, false, W, W, true);
    }
    StepParameters p;
    p.dt = 0.5;
    p.hmin = hmin;
    p.g = g;
    return updateElement(b, in, p);
}

}  // namespace

TEST(ElementWetting, TriangleVolumeAndWettedArea) {
    const ElementBed b = triangle(0.0, 1.0, 2.0);
    const double A = b.area;
    // Above all nodes: a prism with the mean bed elevation.
    Wetting w = triangleWetting(0.0, 1.0, 2.0, A, 3.0);
    EXPECT_NEAR(w.volume, 2.0 * A, 1e-12);
    EXPECT_EQ(w.wetArea, A);
    // Only the lowest corner wet: a pyramid of height W - z1 over a similar triangle.
    w = triangleWetting(0.0, 1.0, 2.0, A, 0.5);
    EXPECT_NEAR(w.wetArea, A * 0.25 / 2.0, 1e-14);
    EXPECT_NEAR(w.volume, w.wetArea * 0.5 / 3.0, 1e-14);
    // Node order does not matter, the branches meet at the middle node.
    const Wetting lo = triangleWetting(2.0, 0.0, 1.0, A, 1.0 - 1e-12);
    const Wetting hi = triangleWetting(1.0, 2.0, 0.0, A, 1.0 + 1e-12);
    EXPECT_NEAR(lo.volume, hi.volume, 1e-10);
    EXPECT_NEAR(lo.wetArea, A / 2.0, 1e-10);
    // Below the lowest node: nothing.
    w = triangleWetting(0.0, 1.0, 2.0, A, -0.1);
    EXPECT_EQ(w.volume, 0.0);
    EXPECT_EQ(w.wetArea, 0.0);
}

TEST(ElementWetting, VolumeIsTheIntegralOfTheWettedArea) {
    // dV/dW = Aw, checked by integrating the wetted area numerically.
    const ElementBed q = quadrilateral(0.1, 0.9, 0.4, 1.3);
    const int n = 20000;
    double V = 0.0;
    for (int i = 0; i < n; ++i) {
        const double W = 0.1 + (i + 0.5) * 1.4 / n;
        V += elementWetting(q, W).wetArea * 1.4 / n;
    }
    EXPECT_NEAR(elementWetting(q, 1.5).volume, V, 1e-6);
    EXPECT_NEAR(elementWetting(q, 1.5).wetArea, q.area, 1e-12);
}

template <class Solver>
class LakeAtRest : public ::testing::Test {};
using Solvers = ::testing::Types<HLL, Exact>;
TYPED_TEST_SUITE(LakeAtRest, Solvers);

TYPED_TEST(LakeAtRest, UnevenBedKeepsZeroVelocity) {
    const ElementBed tri = triangle(0.0, 0.5, 1.5);
    const ElementBed quad = quadrilateral(0.2, 1.1, 0.4, 0.9);
    for (const double W : {2.0, 1.0, 0.8}) {  // fully wet, then partly wet
        const ElementResult t = stillWaterStep<TypeParam>(tri, W);
        EXPECT_EQ(t.u, 0.0) << "triangle, W = " << W;
        EXPECT_EQ(t.v, 0.0) << "triangle, W = " << W;
        EXPECT_NEAR(t.h, W - tri.zc, 1e-14);
        const ElementResult q = stillWaterStep<TypeParam>(quad, W);
        EXPECT_EQ(q.u, 0.0) << "quadrilateral, W = " << W;
        EXPECT_EQ(q.v, 0.0) << "quadrilateral, W = " << W;
    }
    EXPECT_TRUE(stillWaterStep<TypeParam>(tri, 2.0).fullyWetted);
    EXPECT_FALSE(stillWaterStep<TypeParam>(tri, 1.0).fullyWetted);
}

TEST(ElementUpdate, FluxExchangeConservesVolume) {
    // Two triangles sharing the edge (4, 0.5)-(1, 3): a dam break across it.
    const ElementBed left = triangle(0.0, 0.0, 0.0);
    ElementBed right = left;
    right.x[0] = 5.0; right.y[0] = 3.5;
    right.x[1] = 1.0; right.y[1] = 3.0;
    right.x[2] = 4.0; right.y[2] = 0.5;
    right.area = 0.5 * ((right.x[1] - right.x[0]) * (right.y[2] - right.y[0]) -
                        (right.x[2] - right.x[0]) * (right.y[1] - right.y[0]));
    ASSERT_GT(right.area, 0.0);
    const EdgeGeometry e = edgeOf(left, 1);
    const ElementSide sL{1.0, 0.3, -0.2, 1.0}, sR{0.2, 0.0, 0.1, 0.2};
    const EdgeFlux F = interiorEdgeFlux(Exact(g, hmin), e, sL, sR, hmin, true);
    ASSERT_GT(F.mass, 0.0);
    StepParameters p;
    p.dt = 0.05;
    ElementInput inL, inR;
    inL.h = sL.h; inL.u = sL.u; inL.v = sL.v;
    inR.h = sR.h; inR.u = sR.u; inR.v = sR.v;
    addEdgeInflow(inL.inflow, +1.0, F.mass, F.momX, F.momY, false, sL.wse, sR.wse, true);
    addEdgeInflow(inR.inflow, -1.0, F.mass, F.momX, F.momY, false, sR.wse, sL.wse, true);
    const ElementResult rL = updateElement(left, inL, p);
    const ElementResult rR = updateElement(right, inR, p);
    const double before = sL.h * left.area + sR.h * right.area;
    const double after = rL.h * left.area + rR.h * right.area;
    EXPECT_NEAR(after, before, 1e-15 * before);
    EXPECT_LT(rL.h, sL.h);
}

TEST(ElementUpdate, DryElementAboveAWetNeighbourReceivesNoWater) {
    // Wet left element at level 1.0; the right element is dry on a bed at 1.2.
    ElementBed high = triangle(1.1, 1.2, 1.3);
    const EdgeGeometry e = edgeOf(triangle(0.0, 1.1, 1.3), 1);  // nodes at 1.1 and 1.3
    const ElementSide wet{1.0, 0.8, 0.0, 1.0}, dry{0.0, 0.0, 0.0, 1.2};
    const EdgeFlux F = interiorEdgeFlux(Exact(g, hmin), e, wet, dry, hmin, true);
    EXPECT_EQ(F.mass, 0.0);
    ElementInput in;
    in.zb = 1.2;
    addEdgeInflow(in.inflow, -1.0, F.mass, F.momX, F.momY, true, dry.wse, wet.wse, true);
    EXPECT_EQ(in.inflow.momX, 0.0);  // the wall pressure is not applied to a dry element
    StepParameters p;
    p.dt = 1.0;
    const ElementResult r = updateElement(high, in, p);
    EXPECT_EQ(r.h, 0.0);
    EXPECT_EQ(r.u, 0.0);
    EXPECT_EQ(r.v, 0.0);
    EXPECT_FALSE(r.fullyWetted);
}

TEST(ElementUpdate, TooLittleInflowStaysDryAtRest) {
    const ElementBed b = triangle(0.0, 0.0, 0.0);
    ElementInput in;
    in.inflow = {0.03 * b.area, 5.0, 5.0};  // 0.03 m over one second, below hmin
    StepParameters p;
    p.dt = 1.0;
    const ElementResult r = updateElement(b, in, p);
    EXPECT_NEAR(r.h, 0.03, 1e-15);
    EXPECT_EQ(r.u, 0.0);
    EXPECT_EQ(r.v, 0.0);
    // An external source keeps a shallow element in the momentum update.
    in.hasSource = true;
    in.sourceRate = 0.05;
    const ElementResult s = updateElement(b, in, p);
    EXPECT_NEAR(s.h, 0.08, 1e-15);
    EXPECT_NEAR(s.u, 5.0 / b.area / 0.08, 1e-12);
}

TEST(ElementUpdate, SemiImplicitFrictionOnAFlatBed) {
    // No fluxes: q' = q / (1 + dt c), c = |u| / (cf^2 h); cf = 10, h = 1, u = (3, 4).
    const ElementBed b = triangle(0.0, 0.0, 0.0);
    ElementInput in;
    in.h = 1.0; in.u = 3.0; in.v = 4.0;
    in.frictionRate = bedFrictionRate(5.0, 1.0, 10.0);
    EXPECT_DOUBLE_EQ(in.frictionRate, 0.05);
    StepParameters p;
    p.dt = 2.0;
    const ElementResult r = updateElement(b, in, p);
    EXPECT_DOUBLE_EQ(r.u, 3.0 / 1.1);
    EXPECT_DOUBLE_EQ(r.v, 4.0 / 1.1);
    EXPECT_EQ(r.h, 1.0);
}

TEST(ElementUpdate, BedSlopeAcceleratesDownhill) {
    // Plane z = 0.1 x under 1 m of water: du/dt = -g * 0.1 (V/A / h = 1 when fully wet).
    ElementBed b = triangle(0.0, 0.4, 0.1);
    ElementInput in;
    in.zb = b.zc;
    in.h = 1.0;
    StepParameters p;
    p.dt = 0.1;
    const ElementResult r = updateElement(b, in, p);
    EXPECT_NEAR(r.u, -g * 0.1 * 0.1, 1e-12);
    EXPECT_NEAR(r.v, 0.0, 1e-12);
}

TEST(ElementUpdate, PartlyWetElementDividesByTheWettedMeanDepth) {
    // Bed 0, 0, 2 filled from dry to level 1 in one second: h = 1/3, but the
    // water stands deeper where it is (V / Aw > h).
    const ElementBed b = triangle(0.0, 0.0, 2.0);
    ElementInput in;
    in.zb = b.zc;
    in.inflow.mass = (1.0 / 3.0) * b.area;
    in.inflow.momX = 0.6 * b.area;
    StepParameters p;
    p.dt = 1.0;
    const ElementResult r = updateElement(b, in, p);
    const Wetting w = elementWetting(b, 1.0);
    ASSERT_GT(w.volume / w.wetArea, r.h);
    EXPECT_NEAR(r.u, 0.6 / (w.volume / w.wetArea), 1e-12);
    p.velocityUpdate = VelocityUpdate::Depth;
    EXPECT_NEAR(updateElement(b, in, p).u, 0.6 / r.h, 1e-12);
}

TEST(ElementUpdate, SpeedsAbove200AreCutKeepingTheDirection) {
    const ElementBed b = triangle(0.0, 0.0, 0.0);
    ElementInput in;
    in.h = 1.0; in.u = 180.0; in.v = 240.0;
    StepParameters p;
    p.dt = 1e-3;
    const ElementResult r = updateElement(b, in, p);
    EXPECT_NEAR(r.cutSpeed, 300.0, 1e-9);
    EXPECT_NEAR(r.u, 120.0, 1e-9);
    EXPECT_NEAR(r.v, 160.0, 1e-9);
    in.u = 3.0; in.v = 4.0;
    EXPECT_EQ(updateElement(b, in, p).cutSpeed, 0.0);
    // Components below 1e-10 vanish.
    in.u = 5e-11; in.v = 2.0;
    EXPECT_EQ(updateElement(b, in, p).u, 0.0);
}

TEST(ElementUpdate, NotANumberIsFlagged) {
    const ElementBed b = triangle(0.0, 0.0, 0.0);
    ElementInput in;
    in.h = 1.0;
    in.inflow.mass = std::nan("");
    StepParameters p;
    p.dt = 1.0;
    EXPECT_TRUE(updateElement(b, in, p).depthNaN);
    in.inflow.mass = 0.0;
    in.inflow.momY = std::nan("");
    const ElementResult r = updateElement(b, in, p);
    EXPECT_FALSE(r.depthNaN);
    EXPECT_TRUE(r.velocityNaN);
}
