#pragma once
// Element kernels of the explicit step: wetted volume and bed-slope source of
// one element, the flux sum with the dry-element skip rule, and the update of
// depth and velocities. Pure functions of one element's inputs.
//
// Bed surface: a triangle is the plane through its nodes; a quadrilateral is
// the four planar triangles (node k, node k+1, centre) whose areas the grid
// stores, the centre at the mean node elevation. With this surface the bed
// source B = (g/A) sum_i V_i grad(z_i) equals, for a flat water surface, minus
// the hydrostatic edge forces of the wetting rule exactly (wetted or not), so
// a lake at rest stays at rest on triangles and quadrilaterals alike.
#include <algorithm>
#include <cmath>

#include "plane/mesh/FPPlaneGradient.h"

namespace FlumPlane {

inline constexpr double kMaxSpeed = 200.0;       // [m/s] speeds above are cut
inline constexpr double kVelocityFloor = 1.0e-10; // smaller components become 0

// Geometry of one element for the source terms (a stack copy, no heap).
struct ElementBed {
    int n = 3;                          // 3 or 4 nodes, counter-clockwise
    double x[4] = {}, y[4] = {}, z[4] = {};
    double cx = 0.0, cy = 0.0, zc = 0.0;  // centre
    double area = 0.0;
    double partialArea[4] = {};         // quadrilaterals: (node k, node k+1, centre)
    // Bed gradients as planeGradient gives them (triangle: slot 0; quadrilateral:
    // per partial triangle), copied from the grid; without them the kernel
    // computes them from the nodes.
    bool hasGradient = false;
    double gx[4] = {}, gy[4] = {};
};

struct Wetting {
    double volume = 0.0;      // water volume above the bed [m3]
    double wetArea = 0.0;     // wetted plan area [m2]
};

// Water above a planar triangle with node elevations za, zb, zc at level W.
inline Wetting triangleWetting(double za, double zb, double zc, double area, double W) {
    double z1 = za, z2 = zb, z3 = zc;
    if (z1 > z2) std::swap(z1, z2);
    if (z2 > z3) std::swap(z2, z3);
    if (z1 > z2) std::swap(z1, z2);
    Wetting w;
    if (W <= z1) return w;
    if (W >= z3) {
        w.wetArea = area;
        w.volume = area * (W - (z1 + z2 + z3) / 3.0);
    } else if (W <= z2) {  // wet corner around the lowest node
        w.wetArea = area * (W - z1) * (W - z1) / ((z2 - z1) * (z3 - z1));
        w.volume = w.wetArea * (W - z1) / 3.0;
    } else {  // dry corner around the highest node
        const double dry = area * (z3 - W) * (z3 - W) / ((z3 - z1) * (z3 - z2));
        w.wetArea = area - dry;
        w.volume = area * (W - (z1 + z2 + z3) / 3.0) + dry * (z3 - W) / 3.0;
    }
    return w;
}

inline Wetting elementWetting(const ElementBed& b, double W) {
    if (b.n == 3) return triangleWetting(b.z[0], b.z[1], b.z[2], b.area, W);
    Wetting sum;
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const Wetting w = triangleWetting(b.z[k], b.z[k1], b.zc, b.partialArea[k], W);
        sum.volume += w.volume;
        sum.wetArea += w.wetArea;
    }
    return sum;
}

// The water surface lies above every node.
inline bool fullyWetted(const ElementBed& b, double W) {
    for (int k = 0; k < b.n; ++k)
        if (b.z[k] >= W) return false;
    return true;
}

// Bed-slope source B = (g/A) sum V_i grad(z_i) at water level W [m2/s2 per m].
inline void bedSlopeSource(const ElementBed& b, double W, double g, double& Bx, double& By) {
    Bx = By = 0.0;
    double gx, gy;
    if (b.n == 3) {
        const Wetting w = triangleWetting(b.z[0], b.z[1], b.z[2], b.area, W);
        if (b.hasGradient) {
            gx = b.gx[0];
            gy = b.gy[0];
        } else {
            planeGradient(b.x[0], b.y[0], b.z[0], b.x[1], b.y[1], b.z[1], b.x[2], b.y[2], b.z[2],
                          gx, gy);
        }
        Bx = g * w.volume / b.area * gx;
        By = g * w.volume / b.area * gy;
        return;
    }
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const Wetting w = triangleWetting(b.z[k], b.z[k1], b.zc, b.partialArea[k], W);
        if (w.volume <= 0.0) continue;
        if (b.hasGradient) {
            gx = b.gx[k];
            gy = b.gy[k];
        } else {
            planeGradient(b.x[k], b.y[k], b.z[k], b.x[k1], b.y[k1], b.z[k1], b.cx, b.cy, b.zc,
                          gx, gy);
        }
        Bx += w.volume * gx;
        By += w.volume * gy;
    }
    Bx *= g / b.area;
    By *= g / b.area;
}

// Semi-implicit friction rate c = |u| / (cf^2 h) [1/s]; cf the velocity coefficient.
inline double bedFrictionRate(double speed, double h, double cf) {
    if (cf <= 0.0 || h <= 0.0) return 0.0;
    return speed / (cf * cf * h);
}

struct Inflow {
    double mass = 0.0;
    double momX = 0.0;
    double momY = 0.0;
};

// Adds one edge to an element's inflow. sign = +1 when the element is the
// edge's left element (positive flux leaves it), -1 when it is the right one.
// A dry element above its neighbour's level takes nothing from that edge.
inline void addEdgeInflow(Inflow& in, double sign, double Fh, double Fx, double Fy,
                          bool ownDry, double ownWse, double otherWse, bool hasOther) {
    if (ownDry && hasOther && ownWse > otherWse) return;
    in.mass -= sign * Fh;
    in.momX -= sign * Fx;
    in.momY -= sign * Fy;
}

enum class VelocityUpdate { VolumeArea, Depth };

struct StepParameters {
    double dt = 0.0;
    double hmin = 0.05;
    double g = 9.81;
    VelocityUpdate velocityUpdate = VelocityUpdate::VolumeArea;
};

struct ElementInput {
    double h = 0.0, u = 0.0, v = 0.0, zb = 0.0;  // old state
    Inflow inflow;                               // summed edge fluxes
    double frictionRate = 0.0;                   // c [1/s]
    double tx = 0.0, ty = 0.0;                   // turbulent momentum source [m2/s2]
    double sourceRate = 0.0;                     // external source [m/s]
    bool hasSource = false;
};

struct ElementResult {
    double h = 0.0, u = 0.0, v = 0.0;
    bool fullyWetted = false;
    bool depthNaN = false;
    bool velocityNaN = false;
    double cutSpeed = 0.0;  // speed before the cut to kMaxSpeed, 0 when not cut
};

// The update reaches the bed through these four, so that a grid can answer
// the common fully wet case from stored sums without fetching the nodes.
inline double bedArea(const ElementBed& b) { return b.area; }
inline void bedSlope(const ElementBed& b, double /*h*/, double W, double g, double& Bx, double& By) {
    bedSlopeSource(b, W, g, Bx, By);
}
inline bool bedFullyWetted(const ElementBed& b, double /*h*/, double W) { return fullyWetted(b, W); }
inline Wetting bedWetting(const ElementBed& b, double W) { return elementWetting(b, W); }

// One explicit Euler step of one element.
template <class Bed>
inline ElementResult updateElement(Bed& bed, const ElementInput& in, const StepParameters& p) {
    ElementResult r;
    const double dtA = p.dt / bedArea(bed);
    r.h = in.h + dtA * in.inflow.mass;
    if (std::isnan(r.h)) {
        r.depthNaN = true;
        return r;
    }
    if (r.h <= p.hmin && !in.hasSource) return r;  // dry: depth kept, at rest

    double qx = in.u * in.h + dtA * in.inflow.momX;
    double qy = in.v * in.h + dtA * in.inflow.momY;
    if (in.h > p.hmin) {
        double Bx, By;
        bedSlope(bed, in.h, in.h + in.zb, p.g, Bx, By);
        qx -= p.dt * Bx;
        qy -= p.dt * By;
        const double damp = 1.0 / (1.0 + p.dt * in.frictionRate);
        qx *= damp;
        qy *= damp;
        qx += p.dt * in.tx;
        qy += p.dt * in.ty;
    }
    if (in.hasSource) {
        r.h += p.dt * in.sourceRate;
        if (r.h <= p.hmin) return r;
    }

    const double W = r.h + in.zb;
    r.fullyWetted = bedFullyWetted(bed, r.h, W);
    double divisor = r.h;
    if (p.velocityUpdate == VelocityUpdate::VolumeArea && !r.fullyWetted) {
        // Mean depth over the wetted part: a partly wet element holds its
        // momentum in less water than h suggests.
        const Wetting w = bedWetting(bed, W);
        double mean = w.volume / w.wetArea;
        if (std::isnan(mean)) mean = r.h;
        divisor = std::max(r.h, mean);
    }
    r.u = qx / divisor;
    r.v = qy / divisor;
    if (std::isnan(r.u) || std::isnan(r.v)) {
        r.velocityNaN = true;
        return r;
    }
    const double speed = std::sqrt(r.u * r.u + r.v * r.v);
    if (speed > kMaxSpeed) {
        r.cutSpeed = speed;
        r.u *= kMaxSpeed / speed;
        r.v *= kMaxSpeed / speed;
    }
    if (std::fabs(r.u) < kVelocityFloor) r.u = 0.0;
    if (std::fabs(r.v) < kVelocityFloor) r.v = 0.0;
    return r;
}

}  // namespace FlumPlane
