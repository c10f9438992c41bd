#pragma once
// Base of the boundary conditions that act on the mesh-boundary edges of one
// edge string: the string's edges take the condition's type code (so the wall
// sweep skips them), and after its fluxes are written the condition sums the
// mass of its edges, so that discharge() is exactly what entered the mesh.
#include <memory>
#include <string>
#include <vector>

#include "physics/series/BoundarySerie.h"
#include "plane/boundary/FPBoundaryCondition.h"
#include "plane/flux/FPEdgeRecords.h"
#include "plane/mesh/FPEdgeString.h"

namespace FlumPlane {

class PlaneView;
class Grid;
class FPState;

// Type codes of boundary edges (>= EdgeBoundaryCondition).
enum BoundaryEdgeType : int {
    EdgeHydrograph = 2,
    EdgeZeroGradient = 3,
    EdgeHQRelation = 4,
    EdgeWeir = 5,
    EdgeGate = 6,
    EdgeZHydrograph = 7,
    EdgeInner = 8,
};

// Looks up the string; a missing one stops the run.
const EdgeString& findBoundaryString(const PlaneView& plane, const std::string& name);

class Boundary : public FPBoundaryCondition {
public:
    // Every edge of the string must be a mesh-boundary edge.
    Boundary(const PlaneView& plane, const std::string& name, const EdgeString& string, int edgeType);

    double discharge() const override { return discharge_; }
    void fluxesLimited() override { sumDischarge(); }
    const std::vector<int>& edges() const { return edges_; }
    const EdgeString& edgeString() const { return string_; }
    std::string stringName() const override { return string_.name(); }
    // Edge-length weighted water level of the wet adjacent elements; the
    // lowest edge elevation when all are dry.
    double meanWaterLevel() const;

    // What a coupling variant passes on and receives (see FPCouplingBnd.h);
    // derived kinds hide these where they differ.
    bool couplingReady(double) const { return true; }
    double couplingDischarge(double) const { return -discharge_; }
    double couplingWaterLevel(double) const { return meanWaterLevel(); }
    void receiveDischarge(double, double) {}
    void receiveWaterLevel(double, double) {}

protected:
    // discharge_ = inflow summed over the own edges (after the fluxes are written).
    void sumDischarge();
    void store(int edge, const EdgeFlux& F);
    // Hydrostatic pressure at the level of a wet element, nothing for a dry one.
    EdgeFlux wall(int edge) const;
    // Free outflow: the interior state against a ghost with 0.95 of its depth
    // and 1.05 of its normal speed (same level and tangential speed).
    EdgeFlux zeroGradient(int edge) const;
    int element(int edge) const;
    // At most the element's water over dt may leave through one edge.
    double limitOutflow(int edge, double q, double dt) const;

    const PlaneView& plane_;
    const Grid& grid_;
    const FPState& state_;
    const EdgeString& string_;
    std::vector<int> edges_;
    double hmin_;
    double g_;
    double discharge_ = 0.0;
};

// Flux of an edge that carries the discharge `mass` (positive leaves the
// element) with normal speed u at level W: momentum along the outward normal
// (a, -b) f (k h u^2 + (g/2) m), h = W - zmean, f and m the edge's wetted
// fraction and mean squared depth, k the momentum factor.
EdgeFlux dischargeFlux(const Grid& grid, int edge, double W, double u, double mass, double g,
                       double momentumFactor = 1.0);
// The same for a structure discharge q whose speed follows from the wetted
// edge area at W: u = q / (f h L).
EdgeFlux structureFlux(const Grid& grid, int edge, double W, double q, double massSign, double g,
                       double momentumFactor = 1.0);

}  // namespace FlumPlane
