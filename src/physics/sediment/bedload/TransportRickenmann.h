#pragma once
// Rickenmann (2001), steep gravel channels, single grain:
//   q = 3.1 bf (d90/d30)^0.2 sqrt(theta) (theta - theta_cr) Fr^1.1 sqrt(g d^3)     [m2/s]
// Fr = u/sqrt(g h). Needs d90 and d30; fitted for slopes 0.1 % to 20 %.
// The critical value is not modified (the slope enters through Fr).
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportRickenmann final : public TransportCapacity {
public:
    TransportRickenmann(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;

private:
    double gradation_;  // (d90/d30)^0.2
};

}  // namespace Flumaris
