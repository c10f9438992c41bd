// Algebraic turbulence: eddy viscosity, Green-Gauss gradients and the
// divergence of the diffusive fluxes against analytic shear flows.
#include <gtest/gtest.h>

#include <cmath>

#include "plane/step/FPEuler.h"
#include "plane/step/FPTurbulence.h"
#include "PlaneMeshFixture.h"

using namespace FlumPlane;
using namespace FlumPlaneTest;

namespace {

// 6 x 6 squares of 0.5 m; interior elements have no wall edge.
bool interior(const Grid& grid, int e) {
    for (int k = 0; k < grid.elemNumNodes_[e]; ++k)
        if (grid.elemNeighbour(e, k) < 0) return false;
    return true;
}

Grid basin() { return rectangle(6, 6, 0.5, 0.5, false, [](double, double) { return 0.0; }); }

}  // namespace

TEST(Turbulence, GradientsOfALinearFieldAreExactInside) {
    const Grid grid = basin();
    FPState s;
    fill(grid, s, [](double, double) { return 1.0; });
    for (int e = 0; e < grid.numElements(); ++e) {
        s.u_[e] = 0.3 * grid.elemCx_[e] + 0.1 * grid.elemCy_[e];
        s.v_[e] = -0.2 * grid.elemCx_[e];
    }
    AlgebraicTurbulence turb(grid, TurbulenceSettings{});
    turb.computeDiffusiveFluxes(s, 0.05);
    for (int e = 0; e < grid.numElements(); ++e) {
        if (!interior(grid, e)) continue;
        EXPECT_NEAR(turb.dudx()[e], 0.3, 1e-13);
        EXPECT_NEAR(turb.dudy()[e], 0.1, 1e-13);
        EXPECT_NEAR(turb.dvdx()[e], -0.2, 1e-13);
        EXPECT_NEAR(turb.dvdy()[e], 0.0, 1e-13);
    }
}

TEST(Turbulence, ShearStressDivergenceOfAParabolicProfile) {
    // u = y^2 with constant nu and h: d/dy (nu h du/dy) = 2 nu h on every
    // element whose neighbours are all interior; a linear profile gives 0.
    const double nu = 0.02, h = 1.0;
    TurbulenceSettings t;
    t.constEddyViscosity = nu;
    t.kinematicViscosity = 0.0;
    for (const int power : {1, 2}) {
        const Grid grid = basin();
        FPState s;
        fill(grid, s, [&](double, double) { return h; });
        for (int e = 0; e < grid.numElements(); ++e) s.u_[e] = std::pow(grid.elemCy_[e], power);
        EulerSettings es;
        es.turbulence = true;
        es.turbulenceSettings = t;
        es.velocityUpdate = VelocityUpdate::Depth;
        Euler euler(grid, s, es);
        euler.computeFluxes();
        const double dt = 0.01;
        euler.updateElements(dt);
        int checked = 0;
        for (int e = 0; e < grid.numElements(); ++e) {
            const double y = grid.elemCy_[e];
            if (y < 1.0 || y > 2.0 || grid.elemCx_[e] < 1.0 || grid.elemCx_[e] > 2.0) continue;
            const double T = power == 2 ? 2.0 * nu * h : 0.0;
            EXPECT_NEAR(s.uNew_[e], s.u_[e] + dt * T / h, 1e-13) << "element " << e;
            EXPECT_NEAR(s.vNew_[e], 0.0, 1e-13);
            ++checked;
        }
        EXPECT_EQ(checked, 4);
    }
}
