#pragma once
// van Rijn (1984) bed load, single grain, sand 0.2 to 2 mm:
//   q = 0.053 bf sqrt((s-1) g) d^1.5 T^2.1 / D*^0.3     [m2/s]
//   T = (u*'^2 - u*cr^2)/u*cr^2,  u*' = sqrt(g) u / C',  C' = 18 log10(4 h/d90),
//   u*cr^2 = theta_cr (s-1) g d,  theta_cr >= min_theta_critic.
// Needs d90 (key `d90`); no transport while 4 h <= d90.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportVanRijn final : public TransportCapacity {
public:
    TransportVanRijn(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
    // Transport stage T (0 when the grain shear does not exceed the critical one).
    double transportStage(const FlowState& flow, int k, double thetaCr) const;
};

}  // namespace Flumaris
