#pragma once
// A weir or a gate on an inner edge of the chain (INNER_BOUNDARY). The higher
// side is upstream; the tailwater submerges the structure (WeirCalc, GateLaw).
// The structure takes the pressure of the level jump, so the bed source of
// its two elements treats the edge like a boundary.
#include "chain/boundary/FCBoundarySettings.h"
#include "chain/step/FCEdgeFlux.h"
#include "physics/weir/WeirCalc.h"

namespace FlumChain {

class InnerStructure {
public:
    // edge: the edge between the two sections (an inner edge).
    InnerStructure(const InnerSettings& s, int edge, double hmin);
    void update(double t);
    // up, down: the elements upstream and downstream of the edge; zBedUp, zBedDown their lowest levels.
    EdgeFlux flux(const CellValues& up, const CellValues& down, double zBedUp, double zBedDown) const;
    int edge() const { return edge_; }
    const std::string& name() const { return s_.name; }

private:
    InnerSettings s_;
    Flumaris::WeirCalc weir_;
    int edge_;
    double eps_, g_;
    double level_ = 0.0, width_ = 0.0, top_ = 0.0;
};

}  // namespace FlumChain
