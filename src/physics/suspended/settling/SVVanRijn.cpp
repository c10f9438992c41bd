#include "physics/suspended/settling/SVVanRijn.h"

#include <cmath>

namespace Flumaris {

double SVVanRijn::velocity(double d, double delta) const
{
    if (d <= 1.0e-4) return delta * g_ * d * d / (18.0 * nu_);
    if (d <= 1.0e-3) return 10.0 * nu_ / d * (std::sqrt(1.0 + 0.01 * delta * g_ * d * d * d / (nu_ * nu_)) - 1.0);
    return 1.1 * std::sqrt(delta * g_ * d);
}

}  // namespace Flumaris
