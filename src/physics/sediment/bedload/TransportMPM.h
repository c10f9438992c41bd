#pragma once
// Meyer-Peter & Mueller (1948), single grain:
//   q = 8 bf (theta - theta_cr)^(3/2) sqrt((s-1) g d^3)     [m2/s]
// K = 8 bf sqrt((s-1) g). bedload_factor 0.5 gives the magnitude of Wong &
// Parker's (2006) correction. Gravel and coarse sand, theta up to about 0.2.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportMPM final : public TransportCapacity {
public:
    TransportMPM(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
};

}  // namespace Flumaris
