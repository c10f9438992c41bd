#pragma once
// Outflow under a sluice gate at the end of the chain: the gate law shared
// with the 2-D gates (GateLaw.h) with the block's contraction, free tailwater.
// Momentum Q^2 / A_f with the contracted jet (or the sill flow) as A_f.
#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class Gate final : public Boundary {
public:
    Gate(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end), s_(s) {}
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;

private:
    BoundarySettings s_;
    double bottom_ = 0.0, top_ = 0.0, width_ = 0.0;
};

}  // namespace FlumChain
