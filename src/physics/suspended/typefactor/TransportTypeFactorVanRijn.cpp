#include "physics/suspended/typefactor/TransportTypeFactorVanRijn.h"

#include <algorithm>
#include <cmath>

namespace Flumaris {

double TransportTypeFactorVanRijn::factor(double uStar, double w) const
{
    if (w <= 0.0) return 1.0;
    const double x = uStar / w;
    if (x <= 0.4) return 0.0;
    if (x >= 10.0) return 1.0;
    return std::clamp(0.25 + 0.325 * std::log(x), 0.0, 1.0);
}

}  // namespace Flumaris
