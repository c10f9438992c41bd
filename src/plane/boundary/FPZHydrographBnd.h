#pragma once
// Prescribed water level Z(t): each edge solves the exact Riemann problem of
// its element against a ghost at level Z (depth Z - zmean), at rest or with
// the interior velocity. An edge whose mean elevation is above Z lets a fully
// wetted element drain into a dry ghost; without inflow_possible a level above
// the interior one only mirrors the interior. The coupled variant takes Z from
// the coupled subdomain and only lets water out.
#include <memory>

#include "plane/boundary/FPBoundary.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/boundary/FPCouplingSerie.h"

namespace FlumPlane {

class ZHydrographBnd : public Boundary {
public:
    ZHydrographBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool coupled);
    void update(double t, double dt) override;
    void computeFluxes(double t, double dt) override;
    double targetLevel() const { return Z_; }

    bool couplingReady(double) const { return couplingSerie_ && couplingSerie_->getSize() > 0; }
    void receiveWaterLevel(double t, double z) {
        if (couplingSerie_) couplingSerie_->set(t, z);
    }

private:
    std::unique_ptr<Flumaris::BoundarySerie> serie_;
    CouplingSerie* couplingSerie_ = nullptr;
    bool inflowPossible_;
    bool zeroVelocity_;
    double Z_ = 0.0;
};

using ZHydrographBndCoupling = CouplingBnd<ZHydrographBnd>;

}  // namespace FlumPlane
