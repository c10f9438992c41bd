#include "physics/suspended/typefactor/TransportTypeFactorBagnold.h"

#include <algorithm>
#include <cmath>

namespace Flumaris {

double TransportTypeFactorBagnold::continuousFactor() { return 1.0 / (0.25 + 0.325 * std::log(10.0)); }

double TransportTypeFactorBagnold::factor(double uStar, double w) const
{
    if (w <= 0.0) return 1.0;
    const double x = uStar / w;
    if (x <= 1.0) return 0.0;
    if (x >= 10.0) return 1.0;
    return std::clamp(f_ * (0.25 + 0.325 * std::log(x)), 0.0, 1.0);
}

}  // namespace Flumaris
