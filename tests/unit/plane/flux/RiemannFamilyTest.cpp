// Invariants every Riemann solver must keep, run over the whole family.
#include <gtest/gtest.h>

#include <cmath>

#include "plane/flux/FPExact.h"
#include "plane/flux/FPHLL.h"
#include "plane/flux/FPHLLC.h"

using namespace FlumPlane;

namespace {

constexpr double g = 9.81;
constexpr double hmin = 0.05;

// An oblique edge of length 5 from (0,0) to (3,4): n = (4, -3) / 5.
EdgeGeometry obliqueEdge(double z1, double z2) {
    EdgeGeometry e;
    e.a = 4.0;
    e.b = 3.0;
    e.L = 5.0;
    e.z1 = z1;
    e.z2 = z2;
    e.zmin = std::min(z1, z2);
    e.zmean = 0.5 * (z1 + z2);
    return e;
}

// The same edge walked the other way: left and right swap, n flips.
EdgeGeometry reversed(const EdgeGeometry& e) {
    EdgeGeometry r = e;
    r.a = -e.a;
    r.b = -e.b;
    std::swap(r.z1, r.z2);
    return r;
}

ElementSide side(double h, double u, double v, double zb) { return {h, u, v, h + zb}; }

template <class S>
S makeSolver() {
    return S(g, hmin);
}

}  // namespace

template <class S>
class RiemannFamily : public ::testing::Test {
protected:
    S solver = makeSolver<S>();

    EdgeFlux run(const EdgeGeometry& e, const ElementSide& l, const ElementSide& r) const {
        return interiorEdgeFlux(solver, e, l, r, hmin, true);
    }
};

using Solvers = ::testing::Types<HLL, HLLC, Exact>;
TYPED_TEST_SUITE(RiemannFamily, Solvers);

TYPED_TEST(RiemannFamily, EqualSubcriticalStatesGiveThePhysicalFlux) {
    const EdgeGeometry e = obliqueEdge(0.0, 0.0);
    const double nx = 0.8, ny = -0.6;
    for (const double sgn : {1.0, -1.0}) {
        const double h = 2.0, u = sgn * 1.5, v = sgn * 0.5;
        const ElementSide s = side(h, u, v, 0.0);
        const EdgeFlux F = this->run(e, s, s);
        const double un = u * nx + v * ny;
        const double ut = -u * ny + v * nx;
        const double Fn = e.L * (h * un * un + 0.5 * g * h * h);
        const double Ft = e.L * h * un * ut;
        EXPECT_NEAR(F.mass, e.L * h * un, 1e-10);
        EXPECT_NEAR(F.momX, Fn * nx - Ft * ny, 1e-9);
        EXPECT_NEAR(F.momY, Fn * ny + Ft * nx, 1e-9);
    }
}

TYPED_TEST(RiemannFamily, MirroredEdgeGivesTheOppositeFlux) {
    const EdgeGeometry e = obliqueEdge(0.1, 0.3);
    const struct {
        ElementSide l, r;
    } cases[] = {
        {side(1.2, 0.4, -0.3, 0.0), side(0.7, -0.2, 0.5, 0.1)},   // both wet
        {side(1.0, 0.0, 0.0, 0.0), side(0.0, 0.0, 0.0, 0.05)},    // dam break into dry
        {side(0.5, 2.0, 1.0, 0.0), side(0.8, -1.0, 0.2, 0.0)},    // colliding
    };
    for (const auto& c : cases) {
        const EdgeFlux F = this->run(e, c.l, c.r);
        const EdgeFlux M = this->run(reversed(e), c.r, c.l);
        EXPECT_NEAR(F.mass, -M.mass, 1e-12);
        EXPECT_NEAR(F.momX, -M.momX, 1e-11);
        EXPECT_NEAR(F.momY, -M.momY, 1e-11);
    }
}

TYPED_TEST(RiemannFamily, BothSidesDryGiveZero) {
    const EdgeGeometry e = obliqueEdge(0.0, 0.4);
    const EdgeFlux F = this->run(e, side(0.01, 1.0, 0.0, 0.0), side(0.0, 0.0, 0.0, 0.3));
    EXPECT_EQ(F.mass, 0.0);
    EXPECT_EQ(F.momX, 0.0);
    EXPECT_EQ(F.momY, 0.0);
    const EdgeFlux S = this->solver.flux(e, EdgeState{});
    EXPECT_EQ(S.mass, 0.0);
    EXPECT_EQ(S.momX, 0.0);
    EXPECT_EQ(S.momY, 0.0);
}

TYPED_TEST(RiemannFamily, LakeAtRestGivesOnlyTheHydrostaticForce) {
    // Sloping edge z from 0.2 to 0.6 under a level of 1.0 on uneven element beds.
    const EdgeGeometry e = obliqueEdge(0.2, 0.6);
    const double W = 1.0, d1 = 0.8, d2 = 0.4;
    const EdgeFlux F = this->run(e, side(W - 0.1, 0, 0, 0.1), side(W - 0.7, 0, 0, 0.7));
    const double P = 0.5 * g * (d1 * d1 + d1 * d2 + d2 * d2) / 3.0;
    EXPECT_NEAR(F.mass, 0.0, 1e-12);
    EXPECT_NEAR(F.momX, e.a * P, 1e-10);
    EXPECT_NEAR(F.momY, -e.b * P, 1e-10);
}

TYPED_TEST(RiemannFamily, StillWaterBelowTheUpperNodeLoadsOnlyTheWettedPart) {
    // Level 0.35 on an edge from 0.2 to 0.6: wet from node 1 over 3/8 of the edge.
    const EdgeGeometry e = obliqueEdge(0.2, 0.6);
    const double W = 0.35;
    const EdgeFlux F = this->run(e, side(W - 0.0, 0, 0, 0.0), side(W - 0.1, 0, 0, 0.1));
    const double d1 = W - 0.2, f = d1 / 0.4, P = 0.5 * g * d1 * d1 / 3.0;
    EXPECT_EQ(F.mass, 0.0);
    EXPECT_NEAR(F.momX, e.a * f * P, 1e-12);
    EXPECT_NEAR(F.momY, -e.b * f * P, 1e-12);
    // The exact force on the wetted length: (g/2) * int d^2 ds * n.
    const double force = 0.5 * g * d1 * d1 * d1 / 3.0 / (0.4 / e.L);
    EXPECT_NEAR(std::hypot(F.momX, F.momY), force, 1e-12);
}

TYPED_TEST(RiemannFamily, DryElementAboveTheWaterIsAWall) {
    // Wet left element at level 1.0; dry right element on a bed at 1.3.
    const EdgeGeometry e = obliqueEdge(0.8, 1.4);
    const EdgeFlux F = this->run(e, side(0.9, 0.5, 0.2, 0.1), side(0.0, 0, 0, 1.3));
    const double d1 = 0.2, f = d1 / 0.6, P = 0.5 * g * d1 * d1 / 3.0;
    EXPECT_EQ(F.mass, 0.0);
    EXPECT_NEAR(F.momX, e.a * f * P, 1e-12);
    EXPECT_NEAR(F.momY, -e.b * f * P, 1e-12);
}
