#pragma once
// Plain records that the edge kernels read and write. No behaviour beyond
// trivial accessors: the kernels are free functions and solver structs.
#include <cmath>

namespace FlumPlane {

// Threshold for "wet" and "non-zero" inside the kernels.
inline constexpr double kTiny = 1.0e-15;
// Flux components at or below this magnitude are stored as exactly 0.
inline constexpr double kFluxFloor = 1.0e-50;

// One edge as the kernels see it. (a, b) = (y2 - y1, x2 - x1) as stored by the
// grid; the unit normal n = (a, -b) / L points from the left into the right
// element, so a positive flux leaves the left element.
struct EdgeGeometry {
    double a = 0.0;
    double b = 0.0;
    double L = 0.0;
    double z1 = 0.0;     // end-node elevations
    double z2 = 0.0;
    double zmin = 0.0;   // min(z1, z2)
    double zmean = 0.0;  // (z1 + z2) / 2

    // The grid's unit normal when set (the same bits as a / L and -b / L,
    // without two divisions per edge and step).
    bool hasNormal = false;
    double unitNx = 0.0;
    double unitNy = 0.0;

    double nx() const { return hasNormal ? unitNx : a / L; }
    double ny() const { return hasNormal ? unitNy : -b / L; }
};

// State of one element as seen by an edge.
struct ElementSide {
    double h = 0.0;
    double u = 0.0;
    double v = 0.0;
    double wse = 0.0;
};

// Left and right edge states from the reconstruction.
struct EdgeState {
    double hL = 0.0, uL = 0.0, vL = 0.0, wseL = 0.0;
    double hR = 0.0, uR = 0.0, vR = 0.0, wseR = 0.0;
};

// Whole-edge fluxes: m^3/s and m^4/s^2, positive from left to right.
struct EdgeFlux {
    double mass = 0.0;
    double momX = 0.0;
    double momY = 0.0;
};

inline double cutTiny(double x) { return std::fabs(x) <= kFluxFloor ? 0.0 : x; }

}  // namespace FlumPlane
