#pragma once
// Hiding factor on theta_cr after Ashida & Michiue (1972), x = d_k/dm:
//   xi = (log10(19) / log10(19 x))^2   for x >= 0.4
//   xi = 0.85 / x                      for x <  0.4
// Fine grains (x < 1) are sheltered (xi > 1), coarse ones exposed (xi < 1).
#include <cmath>

namespace Flumaris {

inline double hidingAshidaMichiue(double x)
{
    constexpr double kLog19 = 1.2787536009528289;
    if (x < 0.4) return 0.85 / x;
    const double r = kLog19 / std::log10(19.0 * x);
    return r * r;
}

}  // namespace Flumaris
