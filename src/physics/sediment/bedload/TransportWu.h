#pragma once
// Wu, Wang & Jia (2000), graded sediment, sand and gravel:
//   q_k = 0.0053 bf sqrt((s-1) g d_k^3) (theta_k/theta_cr,k - 1)^2.2     [m2/s]
//   theta_cr,k = max(min_theta_critic, theta_cr) ((1 - p_h,k)/p_h,k)^e   (theta_cr 0.03, e -0.6)
//   p_h,k = sum_j p_j d_j/(d_k + d_j), the hiding probability of class k.
// Fitted for d from 0.2 to 64 mm.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportWu final : public TransportCapacity {
public:
    static constexpr double kDefaultHidingExponent = -0.6;
    static constexpr double kThetaCritical = 0.03;

    TransportWu(const SedParameters& p, const ThetaCritical& t);
    void prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const override;
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;

private:
    double exponent_;
};

}  // namespace Flumaris
