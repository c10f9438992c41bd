#pragma once
// Free outflow: the Roe flux against a ghost state just beyond the edge
// (0.95 A, 1.05 Q), without the level jump.
#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class ZeroGradient final : public Boundary {
public:
    ZeroGradient(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end) {}
    EdgeFlux flux(const CellValues& e) const override;
};

}  // namespace FlumChain
