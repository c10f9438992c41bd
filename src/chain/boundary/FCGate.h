#pragma once
// Outflow under a sluice gate at the end of the chain: the gate law shared
// with the 2-D gates (GateLaw.h) with the block's contraction, free tailwater.
// Momentum Q^2 / A_f with the contracted jet (or the sill flow) as A_f.
#include <limits>

#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class Gate final : public Boundary {
public:
    Gate(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end), s_(s) {}
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;
    // The level beyond the gate (a coupled subdomain's); free outflow without one.
    void setTailwater(double z) { tailwater_ = z; }

private:
    BoundarySettings s_;
    double bottom_ = 0.0, top_ = 0.0, width_ = 0.0;
    double tailwater_ = -std::numeric_limits<double>::infinity();
};

}  // namespace FlumChain
