#pragma once
// Outflow by a stage-discharge relation: the discharge of the present water
// level, from a table (level, discharge) or from normal flow Q = K(z) sqrt(S)
// with the conveyance of the section tables or of each edge alone. The
// discharge leaves through the fully wetted edges of wet elements, shared by
// conveyance or area; the other edges are free outflow (zero gradient) or,
// with wall_flux, walls.
#include <memory>

#include "physics/series/StandardSerie.h"
#include "plane/boundary/FPSectionBoundary.h"
#include "plane/boundary/FPCouplingBnd.h"

namespace FlumPlane {

class HQRelationBnd : public SectionBoundary {
public:
    HQRelationBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool coupled = false);

    void update(double t, double dt) override;
    void computeFluxes(double t, double dt) override;
    // Discharge of the relation at the last update.
    double relationDischarge() const { return Q_; }

private:
    std::unique_ptr<Flumaris::StandardSerie> table_;
    double Q_ = 0.0;
    double dt_ = 0.0;
    bool failed_ = false;
};

using HQRelationBndCoupling = CouplingBnd<HQRelationBnd>;

}  // namespace FlumPlane
