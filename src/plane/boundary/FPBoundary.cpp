#include "plane/boundary/FPBoundary.h"

#include <algorithm>
#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "plane/flux/FPRiemannSolverChoice.h"
#include "plane/step/FPEdgeSweep.h"

namespace FlumPlane {

const EdgeString& findBoundaryString(const PlaneView& plane, const std::string& name) {
    const EdgeString* s = plane.edgeStrings().find(name);
    if (!s)
        Flumaris::fatal("Error while defining the boundaries.\nThe edge string '" + name +
                                "' could not be found.\nPlease complete the required input data and start again.");
    return *s;
}

Boundary::Boundary(const PlaneView& plane, const std::string& name, const EdgeString& string, int edgeType)
    : FPBoundaryCondition(name),
      plane_(plane),
      grid_(plane.grid()),
      state_(plane.state()),
      string_(string),
      edges_(string.edges()),
      hmin_(plane.hmin()),
      g_(Flumaris::settings().gravity()) {
    for (int i : edges_)
        if (grid_.edgeRight_[i] != Grid::kNone)
            Flumaris::fatal("The edge string '" + string.name() +
                                    "' is not correct!\nEdges must be boundary edges!\nPlease correct the edge string "
                                    "in the command file.");
    for (int i : edges_) claims_.edges.push_back({i, edgeType});
}

int Boundary::element(int edge) const { return grid_.edgeLeft_[edge]; }

void Boundary::store(int edge, const EdgeFlux& F) { plane_.setEdgeFlux(edge, F); }

EdgeFlux Boundary::wall(int edge) const {
    const int e = element(edge);
    return isWet(state_.h_[e], hmin_) ? wallFlux(edgeGeometry(grid_, edge), state_.wse_[e], g_) : EdgeFlux{};
}

EdgeFlux Boundary::zeroGradient(int edge) const {
    const int e = element(edge);
    const EdgeGeometry geo = edgeGeometry(grid_, edge);
    EdgeState s;
    s.wseL = s.wseR = state_.wse_[e];
    const double hL = state_.wse_[e] - geo.zmean;
    if (!(isWet(state_.h_[e], hmin_) && hL > hmin_)) return EdgeFlux{};
    s.hL = hL;
    s.uL = state_.u_[e];
    s.vL = state_.v_[e];
    if (0.95 * hL > hmin_) {
        const double a = geo.a, b = geo.b, L = geo.L;
        const double un = (s.uL * a - s.vL * b) / L;
        const double ut = (s.uL * b + s.vL * a) / L;
        s.hR = 0.95 * hL;
        s.uR = (1.05 * un * a + ut * b) / L;
        s.vR = (-1.05 * un * b + ut * a) / L;
    } else {
        s.hR = hL;
    }
    RiemannSolverSettings rs;
    rs.kind = plane_.eulerSettings().solver;
    rs.gravity = g_;
    rs.hmin = hmin_;
    rs.tolerance = plane_.eulerSettings().riemannTolerance;
    return withRiemannSolver(rs, [&](const auto& solver) { return solver.flux(geo, s); });
}

void Boundary::sumDischarge() {
    double q = 0.0;
    for (int i : edges_) q -= state_.fluxMass_[i];
    discharge_ = q;
}

double Boundary::limitOutflow(int edge, double q, double dt) const {
    const int e = element(edge);
    if (dt <= 0.0) return q;
    return std::min(q, state_.h_[e] * grid_.elemArea_[e] / dt);
}

double Boundary::meanWaterLevel() const {
    double sum = 0.0, len = 0.0, low = 1.0e300;
    for (int i : edges_) {
        const int e = element(i);
        low = std::min(low, grid_.edgeZmin_[i]);
        if (!isWet(state_.h_[e], hmin_)) continue;
        sum += grid_.edgeLength_[i] * state_.wse_[e];
        len += grid_.edgeLength_[i];
    }
    return len > 0.0 ? sum / len : low;
}

EdgeFlux dischargeFlux(const Grid& grid, int edge, double W, double u, double mass, double g,
                       double momentumFactor) {
    const EdgeGeometry e = edgeGeometry(grid, edge);
    EdgeFlux F;
    F.mass = mass;
    const double d1 = W - e.z1, d2 = W - e.z2;
    if (d1 <= 0.0 && d2 <= 0.0) return F;
    const EdgeWetting w = edgeWetting(d1, d2, e.z1, e.z2);
    const double h = std::max(W - e.zmean, 0.0);
    const double Fn = w.f * (momentumFactor * h * u * u + 0.5 * g * w.m);
    F.momX = e.a * Fn;
    F.momY = -e.b * Fn;
    return F;
}

EdgeFlux structureFlux(const Grid& grid, int edge, double W, double q, double massSign, double g,
                       double momentumFactor) {
    const EdgeGeometry e = edgeGeometry(grid, edge);
    const double d1 = W - e.z1, d2 = W - e.z2;
    double u = 0.0;
    if (d1 > 0.0 || d2 > 0.0) {
        const EdgeWetting w = edgeWetting(d1, d2, e.z1, e.z2);
        const double A = w.f * std::max(W - e.zmean, std::sqrt(w.m)) * e.L;
        u = A > kTiny ? q / A : 0.0;
    }
    return dischargeFlux(grid, edge, W, u, massSign * q, g, momentumFactor);
}

}  // namespace FlumPlane
