#pragma once
// Smart & Jaeggi (1983) per grain class: alpha (key `alpha`) in place of
// (d90/d30)^0.2, and the slope-corrected theta_cr times the Ashida & Michiue
// (1972) hiding factor of d_k/dm:
//   q_k = 4 bf alpha/(s-1) u h |J|^0.6 (-J - xi_k theta_cr' (s-1) d_k/h)     [m2/s], 0 if negative
// Graded gravel on steep slopes; J as in TransportSmartJaeggi.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportSmartJaeggiMulti final : public TransportCapacity {
public:
    TransportSmartJaeggiMulti(const SedParameters& p, const ThetaCritical& t);
    void prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const override;
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
};

}  // namespace Flumaris
