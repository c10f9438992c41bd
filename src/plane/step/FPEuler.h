#pragma once
// Explicit Euler step of the 2-D shallow-water equations on the grid:
// edge fluxes, element update, negative-depth correction and commit.
// The Riemann solver is chosen once; each sweep is a plain parallel loop.
#include "plane/flux/FPRiemannSolverChoice.h"
#include "plane/mesh/FPGrid.h"
#include "plane/step/FPElementKernels.h"
#include "plane/step/FPState.h"
#include "plane/step/FPTurbulence.h"
#include "plane/step/FPWetBlocks.h"

#include <memory>
#include <vector>

namespace FlumPlane {

struct EulerSettings {
    double hmin = 0.05;                  // minimum_water_depth
    VelocityUpdate velocityUpdate = VelocityUpdate::VolumeArea;
    bool dynamicDepth = true;            // dynamic_depth_solver
    RiemannSolverKind solver = RiemannSolverKind::Exact;
    double riemannTolerance = 1.0e-6;
    bool turbulence = false;             // a TURBULENCE_MODEL block is given
    TurbulenceSettings turbulenceSettings;
};

// The bed of element e as the element kernels see it: elevations, areas and
// the grid's bed gradients (no coordinates: the kernels need none with them).
// Fills only these fields, so that a sweep can reuse one record per thread.
inline void fillElementBed(const Grid& grid, int e, ElementBed& b) {
    b.n = grid.elemNumNodes_[e];
    const int slot = Grid::kMaxNodes * e;
    for (int k = 0; k < b.n; ++k) {
        b.z[k] = grid.nodeZ_[grid.elemNodes_[slot + k]];
        b.partialArea[k] = grid.elemPartialArea_[slot + k];
        b.gx[k] = grid.elemBedGradX_[slot + k];
        b.gy[k] = grid.elemBedGradY_[slot + k];
    }
    b.hasGradient = true;
    b.zc = grid.elemZb_[e];
    b.area = grid.elemArea_[e];
}

// Element e of the grid as the update sees it: the stored sums answer an
// element under water above every node; node elevations and partial
// triangles are fetched only for a partly wet one.
class GridBed {
public:
    GridBed(const Grid& grid, ElementBed& scratch) : grid_(grid), scratch_(scratch) {}
    void select(int e) {
        e_ = e;
        filled_ = false;
    }
    int element() const { return e_; }
    const Grid& grid() const { return grid_; }
    const ElementBed& detail() {
        if (!filled_) {
            fillElementBed(grid_, e_, scratch_);
            filled_ = true;
        }
        return scratch_;
    }

private:
    const Grid& grid_;
    ElementBed& scratch_;
    int e_ = 0;
    bool filled_ = false;
};

inline double bedArea(const GridBed& b) { return b.grid().elemArea_[b.element()]; }
inline void bedSlope(GridBed& b, double h, double W, double g, double& Bx, double& By) {
    const Grid& grid = b.grid();
    const int e = b.element();
    if (h >= grid.elemRelief_[e]) {
        const double f = g * grid.elemInvArea_[e];
        Bx = f * (h * grid.elemSlopeGx_[e] - grid.elemSlopeHx_[e]);
        By = f * (h * grid.elemSlopeGy_[e] - grid.elemSlopeHy_[e]);
        return;
    }
    bedSlopeSource(b.detail(), W, g, Bx, By);
}
inline bool bedFullyWetted(const GridBed& b, double h, double /*W*/) {
    return h > b.grid().elemRelief_[b.element()];
}
inline Wetting bedWetting(GridBed& b, double W) { return elementWetting(b.detail(), W); }

class Euler {
public:
    // Gravity is read once from the program settings.
    Euler(const Grid& grid, FPState& state, const EulerSettings& settings);

    // Interior Riemann fluxes and wall edges, and with turbulence the eddy
    // viscosity and diffusive fluxes of all edges; boundary conditions write
    // their own edges before the element update.
    void computeFluxes();
    // New depths and velocities into the temporaries; a depth or velocity that
    // is not a number ends the run, the 200 m/s cut warns once.
    void updateElements(double dt);
    // No element gives away more water than it holds: where the outflow of a
    // step exceeds an element's volume, every edge it drains carries its flux
    // times volume / outflow (the draining time step of Bollermann, Chen,
    // Kurganov and Noelle 2013). Inflows only add, so no depth goes negative
    // through the fluxes; call after every flux of the step is written.
    // Returns whether any flux was scaled (the boundaries then recount theirs).
    bool limitDraining(double dt);
    // Takes water back from the neighbours that drained an element below zero
    // (the elements the last updateElements left below zero: sinks and the rare
    // rest the limiter cannot see).
    void correctNegativeDepths(double dt);
    // Temporaries become the state.
    void commit();
    // The five above in order.
    void step(double dt);

    // The parts of the mesh the sweeps visit, built from the state on first
    // use; nullptr when every sweep visits everything.
    const WetBlocks* wetBlocks();
    // Whoever changes the state outside the step calls this: the next two
    // steps visit everything and the counts are rebuilt.
    void resetWetBlocks() { blocks_ = WetBlocks{}; }

    const EulerSettings& settings() const { return settings_; }
    double gravity() const { return g_; }

private:
    void reportFailure(int depthNaN, int velocityNaN) const;
    void collectFromNeighbours(int e, double dt);
    // Speed and wse of element e after a repair changed its temporaries.
    void refreshCommitValues(int e);
    // Element blocks of the step under way, nullptr for all elements.
    const std::vector<int>* visitedBlocks() const {
        return !turbulence_ && blocks_.built() ? &blocks_.stepBlocks() : nullptr;
    }

    const Grid& grid_;
    FPState& state_;
    EulerSettings settings_;
    double g_;
    bool speedWarningShown_ = false;
    std::vector<double> drainFactor_;  // per element: 1, or the share of its outflow it can give
    std::unique_ptr<AlgebraicTurbulence> turbulence_;
    WetBlocks blocks_;
    int firstNegative_ = 0;  // lowest element the last update left below zero
};

}  // namespace FlumPlane
