#pragma once
// Algebraic turbulence: depth-averaged eddy viscosity nu_t = factor kappa/6 u* h
// (kappa = 0.4, u* = |u| / cf) or a constant, plus the kinematic viscosity.
// Velocity gradients per element by Green-Gauss over its edges; the diffusive
// momentum flux through an edge is -nu h (grad u . n) L with face values the
// means of the two elements. Boundary edges see a virtual outside element with
// the same velocity (zero gradient) or at rest (zero velocity).
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"

namespace FlumPlane {

enum class BoundaryGradient { ZeroGradient, ZeroVelocity };

struct TurbulenceSettings {
    double constEddyViscosity = -1.0;  // < 0: from the flow
    double factor = 1.0;               // turbulence_factor
    double kinematicViscosity = 1.307e-6;
    BoundaryGradient boundary = BoundaryGradient::ZeroGradient;
};

inline double eddyViscosity(const TurbulenceSettings& t, double speed, double h, double cf) {
    if (t.constEddyViscosity >= 0.0) return t.constEddyViscosity;
    if (cf <= 0.0) return 0.0;
    return t.factor * 0.4 / (6.0 * cf) * speed * h;
}

class AlgebraicTurbulence {
public:
    AlgebraicTurbulence(const Grid& grid, const TurbulenceSettings& settings);

    // state.eddyViscosity_ from the committed state.
    void updateEddyViscosity(FPState& state) const;
    // Element velocity gradients, then the diffusive fluxes of all edges.
    void computeDiffusiveFluxes(FPState& state, double hmin);

    const std::vector<double>& dudx() const { return dudx_; }
    const std::vector<double>& dudy() const { return dudy_; }
    const std::vector<double>& dvdx() const { return dvdx_; }
    const std::vector<double>& dvdy() const { return dvdy_; }

private:
    void computeGradients(const FPState& state);

    const Grid& grid_;
    TurbulenceSettings settings_;
    std::vector<double> dudx_, dudy_, dvdx_, dvdy_;
};

}  // namespace FlumPlane
