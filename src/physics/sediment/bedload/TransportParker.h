#pragma once
// Parker (1990) surface-based relation for gravel mixtures:
//   q_k = 0.00218 bf u*^3 G(phi_k) / ((s-1) g)      [m2/s],  u* = u/c
//   phi_k = omega phi_sgo (d_k/dg)^-0.0951,  phi_sgo = theta_sg/theta_r,
//   theta_sg = theta_k d_k/dg, theta_r = max(min_theta_critic, theta_cr) (0.0386),
//   omega = 1 + (sigma/sigma0)(omega0 - 1), omega0 and sigma0 from Parker's table,
//   G = 5474 (1 - 0.853/phi)^4.5 (phi > 1.59), exp(14.2(phi-1) - 9.28(phi-1)^2)
//       (1 <= phi <= 1.59), phi^14.2 (phi < 1).
// No transport while theta_sg <= theta_r.
// Gravel-bed rivers, surface d between 2 and about 100 mm, sand below ~30 %.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportParker final : public TransportCapacity {
public:
    static constexpr double kThetaReference = 0.0386;

    TransportParker(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;

    // Parker's strain functions omega0 and sigma0 at phi_sgo (linear in the table).
    static void strainFunctions(double phiSgo, double& omega0, double& sigma0);
    // omega for a mixture of geometric standard deviation sigma.
    static double omega(double phiSgo, double sigma);
    static double G(double phi);
};

}  // namespace Flumaris
