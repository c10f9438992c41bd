#pragma once
// A prescribed water level: the Roe flux against a ghost state at the level of
// the series (relaxed with the time constant tau when the series moves) that
// carries the element's discharge. The momentum flux is limited by
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

private:
    BoundarySettings s_;
    std::shared_ptr<const Flumaris::BoundarySerie> serie_;
    double level_ = 0.0;
    bool started_ = false;
};

}  // namespace FlumChain
