#include "physics/suspended/settling/SVWuWang.h"

#include <cmath>

namespace Flumaris {

SVWuWang::SVWuWang(double g, double nu, double shapeFactor)
    : SettlingVelocity(g, nu),
      M_(53.5 * std::exp(-0.65 * shapeFactor)),
      N_(5.6 * std::exp(-2.5 * shapeFactor)),
      n_(0.7 + 0.9 * shapeFactor)
{
}

double SVWuWang::velocity(double d, double delta) const
{
    const double dStar = d * std::cbrt(delta * g_ / (nu_ * nu_));
    const double x = std::pow(4.0 * N_ * dStar * dStar * dStar / (3.0 * M_ * M_), 1.0 / n_);
    return M_ * nu_ / (N_ * d) * std::pow(std::sqrt(0.25 + x) - 0.5, n_);
}

}  // namespace Flumaris
