#pragma once
// alpha = c_a / c_mean of the equilibrium Rouse (1937) profile,
//   c(z)/c_a = ((h - z)/z * a/(h - a))^Z,  Z = w/(kappa u*),
//   c_mean = (1/h) int_a^h c dz,
// so alpha -> 1/(1 - a/h) for fine grains (Z -> 0) and grows with Z.
#include "physics/suspended/adaptation/AdaptationCoefficient.h"

namespace Flumaris {

class ACMinhDuc final : public AdaptationCoefficient {
public:
    double coefficient(double w, double uStar, double aOverH) const override;
    // alpha for Rouse number Z and relative reference height aOverH (0 < aOverH < 1).
    static double ofRouse(double Z, double aOverH);
};

}  // namespace Flumaris
