#pragma once
// Inflow of a discharge series. Subcritical inflow enters with the momentum
// of the boundary element; supercritical inflow or a dry element takes the
// normal level of the inflow (secant on Q - K(z) sqrt(S)), but never a level
// below the element's own: into a backwatered reach the inflow enters at the
// interior level.
#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class Hydrograph final : public Boundary {
public:
    Hydrograph(const ChainView& view, const BoundarySettings& s);
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;
    double inflow() const { return qIn_; }
    // A coupling's discharge replaces the series value of the step.
    void setInflow(double q) { qIn_ = q; }
    // The level at which K(z) sqrt(S) = q, between the section's lowest and highest level.
    double normalLevel(double q) const;

private:
    BoundarySettings s_;
    std::shared_ptr<const Flumaris::BoundarySerie> serie_;
    double qIn_ = 0.0;
    mutable double cachedQ_ = -1.0, cachedLevel_ = 0.0;
};

}  // namespace FlumChain
