#pragma once
// Inflow of a discharge series. The level at the boundary is the normal-flow
// level of the string's section for Q (Q = K(z) sqrt(S)); the edges whose
// element bed lies below that level share Q by conveyance or by area, and each
// edge lets its share in against the outward normal with the momentum
// (a, -b) f (h u^2 + (g/2) m).
//
// Start-up: the discharge of a file series is raised over the first
// kRampTime seconds with the raised-cosine (Hann) taper
// r = (1 - cos(pi tau / T)) / 2, which starts and ends with zero slope, so no
// bore is launched into the mesh at the start.
#include <memory>

#include "plane/boundary/FPSectionBoundary.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/boundary/FPCouplingSerie.h"

namespace FlumPlane {

class HydrographBnd : public SectionBoundary {
public:
    static constexpr double kRampTime = 60.0;  // [s]

    HydrographBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool coupled);

    void update(double t, double dt) override;
    void computeFluxes(double t, double dt) override;
    // Discharge of the series at the last update (after the ramp).
    double seriesDischarge() const { return Q_; }
    double level() const { return zBoundary_; }

    bool couplingReady(double) const { return couplingSerie_ && couplingSerie_->getSize() > 0; }
    double couplingDischarge(double) const { return discharge_; }
    void receiveDischarge(double t, double q) {
        if (couplingSerie_) couplingSerie_->set(t, q);
    }

private:
    std::unique_ptr<Flumaris::BoundarySerie> serie_;
    CouplingSerie* couplingSerie_ = nullptr;
    double Q_ = 0.0;
    double zBoundary_ = 0.0;
    bool failed_ = false;  // the 200 m/s cut of the last update
};

using HydrographBndCoupling = CouplingBnd<HydrographBnd>;

}  // namespace FlumPlane
