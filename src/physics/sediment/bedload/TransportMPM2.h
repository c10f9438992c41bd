#pragma once
// Meyer-Peter & Mueller per grain class with the hiding factor xi_k of
// Ashida & Michiue (1972) on the critical value, x = d_k/dm of the location:
//   q_k = 8 bf (theta_k - xi_k theta_cr,k)^(3/2) sqrt((s-1) g d_k^3)     [m2/s]
// Graded gravel; dm is the mean of the surface mixture (prepare()).
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportMPM2 final : public TransportCapacity {
public:
    TransportMPM2(const SedParameters& p, const ThetaCritical& t);
    void prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const override;
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
};

}  // namespace Flumaris
