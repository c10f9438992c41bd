#pragma once
// Outflow over a weir (crest level series, Poleni law of WeirCalc) or under a
// gate (gate level series, physics/gate/GateLaw.h) at the mesh boundary. Each edge whose
// wet element stands above the crest (or sill) passes q(L) L out of the mesh,
// at most the element's water per step; the rest of the edge is a wall. The
// tailwater is free (below the crest).
#include <memory>

#include "physics/weir/WeirCalc.h"
#include "plane/boundary/FPBoundary.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/boundary/FPCouplingSerie.h"

namespace FlumPlane {

class StructureBnd : public Boundary {
public:
    enum class Kind { Weir, Gate };
    StructureBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, Kind kind, bool coupled);

    void update(double t, double dt) override;
    void computeFluxes(double t, double dt) override;
    // Crest or gate level of the last update.
    double structureLevel() const { return zs_; }

    bool couplingReady(double) const { return !couplingSerie_ || couplingSerie_->getSize() > 0; }
    void receiveDischarge(double t, double z) {
        if (couplingSerie_) couplingSerie_->set(t, z);
    }

private:
    Kind kind_;
    double my_;
    Flumaris::WeirCalc weir_;
    std::unique_ptr<Flumaris::BoundarySerie> serie_;
    CouplingSerie* couplingSerie_ = nullptr;
    double zs_ = 0.0;
    double dt_ = 0.0;
};

// Named kinds; the coupled forms receive their level series from a coupling.
class WeirBnd : public StructureBnd {
public:
    WeirBnd(const PlaneView& p, const BoundarySettings& s, const EdgeString& str, bool coupled = false)
        : StructureBnd(p, s, str, Kind::Weir, coupled) {}
};
class GateBnd : public StructureBnd {
public:
    GateBnd(const PlaneView& p, const BoundarySettings& s, const EdgeString& str, bool coupled = false)
        : StructureBnd(p, s, str, Kind::Gate, coupled) {}
};
using WeirBndCoupling = CouplingBnd<WeirBnd>;
using GateBndCoupling = CouplingBnd<GateBnd>;

}  // namespace FlumPlane
