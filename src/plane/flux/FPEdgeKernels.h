#pragma once
// Edge kernels shared by all Riemann solvers: the first-order reconstruction,
// the wetting of an edge between its end nodes, the wet/dry pre-treatment and
// the edge depth recovered from a normal-frame flux.
#include <algorithm>
#include <cmath>

#include "plane/flux/FPEdgeRecords.h"

namespace FlumPlane {

// Wetted fraction f of an edge and mean squared depth m over it, for a linear
// depth between the end-node depths d1 and d2. f * m is the exact mean of d^2
// over the whole edge, so (g/2) f m L is the exact hydrostatic force.
struct EdgeWetting {
    double f = 0.0;
    double m = 0.0;
};

inline EdgeWetting edgeWetting(double d1, double d2, double z1, double z2) {
    EdgeWetting w;
    if (d1 >= 0.0 && d2 >= 0.0) {
        w.f = 1.0;
        w.m = (d1 * d1 + d1 * d2 + d2 * d2) / 3.0;
    } else if (d1 > 0.0) {
        w.m = d1 * d1 / 3.0;
        w.f = (z2 == z1) ? 1.0 : std::clamp(d1 / (z2 - z1), -1.0, 1.0);
    } else {
        w.m = d2 * d2 / 3.0;
        w.f = (z1 == z2) ? 1.0 : std::clamp(d2 / (z1 - z2), -1.0, 1.0);
    }
    return w;
}

// First-order edge states. Depths are measured from the mean edge elevation;
// a side whose element or edge depth is at or below hmin is empty.
inline EdgeState reconstructFirstOrder(const EdgeGeometry& e, const ElementSide& left,
                                       const ElementSide& right, double hmin,
                                       bool dynamicDepth) {
    EdgeState s;
    s.wseL = left.wse;
    s.wseR = right.wse;
    double hL = left.wse - e.zmean;
    if (left.h > hmin && hL > hmin) {
        s.hL = hL;
        s.uL = left.u;
        s.vL = left.v;
    }
    double hR = right.wse - e.zmean;
    if (right.h > hmin && hR > hmin) {
        s.hR = hR;
        s.uR = right.u;
        s.vR = right.v;
    }
    if (dynamicDepth && s.hL > 0.0 && s.hR > 0.0) {
        // A water-level jump larger than the depth difference is a step in
        // the bed, not a wave: the element depths drive the Riemann problem.
        const double dWSE = std::fabs(right.wse - left.wse);
        const double dh = std::fabs(right.h - left.h);
        if (dWSE > 0.1 * hmin && dWSE > dh) {
            s.hL = left.h;
            s.hR = right.h;
        }
    }
    return s;
}

// Hydrostatic pressure only, at water level W over the edge.
inline EdgeFlux wallFlux(const EdgeGeometry& e, double W, double g) {
    const double d1 = W - e.z1;
    const double d2 = W - e.z2;
    EdgeFlux F;
    if (d1 <= 0.0 && d2 <= 0.0) return F;
    const EdgeWetting w = edgeWetting(d1, d2, e.z1, e.z2);
    const double P = 0.5 * g * w.m;
    F.momX = e.a * w.f * P;
    F.momY = -e.b * w.f * P;
    return F;
}

// Decides edges that need no Riemann problem. Returns true when `F` holds the
// flux of the edge. hElemL/hElemR are the element depths, `s` the edge states.
inline bool wetDryPretreatment(const EdgeGeometry& e, const EdgeState& s, double hElemL,
                               double hElemR, double hmin, double g, EdgeFlux& F) {
    F = EdgeFlux{};
    if (e.zmin >= s.wseL && e.zmin >= s.wseR) return true;
    const bool dryL = hElemL <= hmin;
    const bool dryR = hElemR <= hmin;
    if (dryR && s.wseR > s.wseL) {
        F = wallFlux(e, s.wseL, g);
        return true;
    }
    if (dryL && s.wseL > s.wseR) {
        F = wallFlux(e, s.wseR, g);
        return true;
    }
    if (!dryL && !dryR && e.zmin < s.wseL && s.wseL <= e.zmean && e.zmin < s.wseR &&
        s.wseR <= e.zmean) {
        F = wallFlux(e, std::max(s.wseL, s.wseR), g);
        return true;
    }
    return s.hL < hmin && s.hR < hmin;
}

// Depth h of the flux (q, M): the largest root of g/2 h^3 - M h + q^2 = 0,
// i.e. the subcritical depth carrying discharge q with momentum flux M.
// With r = sqrt(2M/(3g)) and c = -q^2/(g r^3) in (-1, 0] the root is 2 r y,
// y = cos(acos(c)/3) the largest root of 4y^3 - 3y = c. y is smooth in
// s = sqrt(1 + c), so a fitted polynomial in s (error < 3e-7) and one Halley
// step give it to a few ulp, with one division instead of acos and cos.
inline double edgeDepthFromFlux(double q, double M, double g) {
    const double p = -2.0 * M / g;
    const double r = std::sqrt(-p / 3.0);
    const double c = -(q * q / g) / (r * r * r);
    if (!(c > -1.0)) return r;  // critical or beyond; also M = 0, where c is not a number
    const double s = std::sqrt(1.0 + c);
    const double y0 =
        0.5000002352040516 +
        s * (0.40824058607618335 +
             s * (-0.05547424194114609 +
                  s * (0.018497437005182294 +
                       s * (-0.007138981938086821 +
                            s * (0.0022986403118087305 + s * -0.00039829393804004357)))));
    const double f = (4.0 * y0 * y0 - 3.0) * y0 - c;
    const double f1 = 12.0 * y0 * y0 - 3.0;
    const double y = y0 - 2.0 * f * f1 / (2.0 * f1 * f1 - 24.0 * f * y0);
    return 2.0 * r * y;
}

// Turns the normal-frame flux (q, M, T) of HLL-type solvers into the edge flux.
// clipTangent: HLLC drops tangential velocities below 1e-15 or above 100.
inline EdgeFlux fluxFromNormalFrame(const EdgeGeometry& e, double q, double M, double T,
                                    double g, bool clipTangent) {
    const double h = edgeDepthFromFlux(q, M, g);
    const double W = h + e.zmean;
    const EdgeWetting w = edgeWetting(W - e.z1, W - e.z2, e.z1, e.z2);
    const double P = 0.5 * g * w.m;
    EdgeFlux F;
    if (std::fabs(q) > kTiny && h > kTiny) {
        double un = (M - 0.5 * g * h * h) / q;
        if (std::fabs(un) >= 0.01) {
            // geometric mean of the momentum- and mass-based estimates
            un = std::copysign(std::sqrt(std::fabs((q / h) * un)), un);
        }
        double ut = (un == 0.0) ? 0.0 : T / h / un;
        if (clipTangent && (std::fabs(ut) < kTiny || std::fabs(ut) > 100.0)) ut = 0.0;
        F.mass = e.L * w.f * h * un;
        F.momX = w.f * ((e.a * un + e.b * ut) * h * un + e.a * P);
        F.momY = w.f * ((-e.b * un + e.a * ut) * h * un - e.b * P);
    } else {
        F.momX = e.a * w.f * P;
        F.momY = -e.b * w.f * P;
    }
    F.mass = cutTiny(F.mass);
    F.momX = cutTiny(F.momX);
    F.momY = cutTiny(F.momY);
    return F;
}

// Normal and tangential velocity of a side in the edge frame.
struct NormalState {
    double h = 0.0;
    double un = 0.0;
    double ut = 0.0;
    double c = 0.0;
};

inline NormalState toNormalFrame(double h, double u, double v, double nx, double ny,
                                 double hmin, double g) {
    NormalState s;
    if (h <= hmin) return s;
    s.h = h;
    s.un = nx * u + ny * v;
    s.ut = -ny * u + nx * v;
    s.c = std::sqrt(g * h);
    return s;
}

// The common edge operation: wet on both sides goes straight to the solver;
// otherwise the pre-treatment may decide the edge first.
template <class Solver>
inline EdgeFlux edgeFlux(const Solver& solver, const EdgeGeometry& e, const EdgeState& s,
                         double hElemL, double hElemR, double hmin) {
    if (hElemL > hmin && s.hL > hmin && hElemR > hmin && s.hR > hmin)
        return solver.flux(e, s);
    EdgeFlux F;
    if (wetDryPretreatment(e, s, hElemL, hElemR, hmin, solver.g, F)) return F;
    return solver.flux(e, s);
}

}  // namespace FlumPlane

namespace FlumPlane {

// One interior edge from its two elements: edges with no wet element carry nothing.
template <class Solver>
inline EdgeFlux interiorEdgeFlux(const Solver& solver, const EdgeGeometry& e,
                                 const ElementSide& left, const ElementSide& right,
                                 double hmin, bool dynamicDepth) {
    if (!(left.h > hmin) && !(right.h > hmin)) return EdgeFlux{};
    const EdgeState s = reconstructFirstOrder(e, left, right, hmin, dynamicDepth);
    return edgeFlux(solver, e, s, left.h, right.h, hmin);
}

}  // namespace FlumPlane
