#include "physics/suspended/adaptation/ACMinhDuc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Flumaris {

double ACMinhDuc::ofRouse(double Z, double aOverH)
{
    // Simpson's rule in t with xi = (a/h)^(1-t): the nodes crowd near the bed,
    // where the profile is steep.
    constexpr int kIntervals = 128;
    const double logA = std::log(aOverH);
    const double scale = aOverH / (1.0 - aOverH);
    double sum = 0.0;
    for (int i = 0; i <= kIntervals; ++i) {
        const double t = static_cast<double>(i) / kIntervals;
        const double xi = std::exp(logA * (1.0 - t));
        const double profile = std::pow(std::max(0.0, (1.0 - xi) / xi * scale), Z);
        const double f = profile * xi * (-logA);  // d(xi) = -ln(a/h) xi dt
        const double w = (i == 0 || i == kIntervals) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        sum += w * f;
    }
    const double integral = sum / (3.0 * kIntervals);
    return integral > 0.0 ? 1.0 / integral : std::numeric_limits<double>::infinity();
}

double ACMinhDuc::coefficient(double w, double uStar, double aOverH) const
{
    if (uStar <= 0.0) return ofRouse(1.0e3, aOverH);
    return ofRouse(w / (kKarman * uStar), aOverH);
}

}  // namespace Flumaris
