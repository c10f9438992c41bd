#pragma once
// Numerical fluxes on one edge of the chain between a left (upstream) and a
// right (downstream) state: Roe's approximate Riemann solver for (A, Q) with
// the flux (Q, beta Q^2 / Ar) and the dissipation |J| dU / 2, and the upwind
// flux. Pressure and bed slope are the element source (FCExplicitStep), so the
// area jump that the dissipation sees is the jump of the water level times the
// surface width, never the jump of the bed.
namespace Flumaris {
struct SectionState;
}

namespace FlumChain {

struct EdgeFlux {
    double A = 0.0;  // [m3/s]
    double Q = 0.0;  // [m4/s2]
};

// What a flux reads of an element.
struct CellValues {
    double A = 0.0, Q = 0.0, z = 0.0, h = 0.0, Ar = 0.0, beta = 1.0, hm = 0.0, B = 0.0, K = 0.0;
    double qInner = 0.0;  // of a boundary element: the mass flux of its inner edge [m3/s]
    double u() const { return Ar > 0.0 ? Q / Ar : 0.0; }
    double M() const { return Ar > 0.0 ? beta * Q * Q / Ar : 0.0; }
};
CellValues cellValues(double A, double Q, const Flumaris::SectionState& s, double zBed);

// The coefficients of |J| / 2 (kept by the implicit scheme for its Jacobian).
struct RoeCoefficients {
    double a7 = 0.0, a8 = 0.0, a9 = 0.0, a10 = 0.0;
};

// areaJump false: the ghost state of zero_gradient, which carries no level jump.
EdgeFlux roeFlux(const CellValues& L, const CellValues& R, double g, double hmin, bool areaJump = true,
                 RoeCoefficients* coefficients = nullptr);
EdgeFlux upwindFlux(const CellValues& L, const CellValues& R, double g, double hmin);

}  // namespace FlumChain
