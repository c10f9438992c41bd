#pragma once
// A prescribed water level. The discharge through the edge is that of the
// element's inner edge plus the volume between the element's area and the area at the series
// level, released over the relaxation time tau, so the element's level
// approaches the series level without a wave reflected off the edge (an
// imposed ghost state at full Courant number on a half element is unstable).
// The momentum flux is beta Q^2 / Ar at the series level, limited by
// max_momentum_flux when given.
#include <memory>

#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class ZHydrograph final : public Boundary {
public:
    ZHydrograph(const ChainView& view, const BoundarySettings& s);
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;
    double level() const { return level_; }
    // A coupling's level replaces the series value of the step.
    void setLevel(double z) { level_ = z; }

private:
    BoundarySettings s_;
    std::shared_ptr<const Flumaris::BoundarySerie> serie_;
    double level_ = 0.0;
};

}  // namespace FlumChain
