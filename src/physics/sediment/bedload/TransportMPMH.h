#pragma once
// Meyer-Peter & Mueller for mixtures after Hunziker (1995):
//   q_k = 5 bf sqrt((s-1) g) (xi_k (theta_m - theta_cr,m) dm)^(3/2)     [m2/s]
//   theta_m = theta_k d_k/dm (Shields value of dm), xi_k = min((d_k/dm)^-a, 5),
//   a = min(0.011 theta_m^e - 0.3, 20), e = hiding_exponent (default -1.5),
//   theta_cr,m = (user constant, else calibration * Shields(D* of dm)) * (dm_sub/dm)^0.33.
// Gravel mixtures with armouring; Hunziker fitted it for 0.03 < theta_m < 0.3.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportMPMH final : public TransportCapacity {
public:
    static constexpr double kDefaultHidingExponent = -1.5;

    TransportMPMH(const SedParameters& p, const ThetaCritical& t);
    void prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const override;
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
    // xi_k for d_k/dm = x at theta_m.
    double hiding(double x, double thetaM) const;

private:
    double exponent_;
};

}  // namespace Flumaris
