#pragma once
// Smart & Jaeggi (1983), steep channels, single grain:
//   q = 4 bf/(s-1) (d90/d30)^0.2 u h |J|^0.6 (-J - theta_cr' (s-1) d/h)     [m2/s], 0 if negative
//   theta_cr' = max(1e-15, theta_cr cos(b) (1 - tan(b)/tan(phi_r))), b = atan(-J)
// J: gradient along the flow, negative downhill (1-D: bed or energy slope as
// the caller chooses); phi_r the angle of repose. Slopes 0.04 % to 20 %.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportSmartJaeggi final : public TransportCapacity {
public:
    TransportSmartJaeggi(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;

    // theta_cr corrected for the streamwise slope J.
    static double slopeCorrected(double thetaCr, double J, double tanRepose);
    // The formula for a corrected critical value; 0 when not positive.
    static double flux(double K, const FlowState& flow, double thetaCr, double sMinus1, double dk);

private:
    double gradation_;  // (d90/d30)^0.2
};

}  // namespace Flumaris
