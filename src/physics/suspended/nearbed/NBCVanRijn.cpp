#include "physics/suspended/nearbed/NBCVanRijn.h"

#include <cmath>

namespace Flumaris {

double NBCVanRijn::concentration(const NearBedState& s) const
{
    if (s.tau <= s.tauCr || s.tauCr <= 0.0 || s.h <= 0.0) return 0.0;
    const double T = (s.tau - s.tauCr) / s.tauCr;
    return 0.015 * s.d * T * std::sqrt(T) / (factor_ * s.h * std::pow(s.dStar, 0.3));
}

}  // namespace Flumaris
