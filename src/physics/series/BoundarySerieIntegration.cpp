#include "physics/series/BoundarySerieIntegration.h"

namespace Flumaris {

double BoundarySerieIntegration::getValue(double t, double dt) const {
    if (dt <= 0.0) return BoundarySerie::getValue(t, dt);
    const std::vector<Pair> pairs = getIntervalValues(t, t + dt);
    double volume = 0.0;
    for (std::size_t i = 1; i < pairs.size(); ++i) volume += (pairs[i].first - pairs[i - 1].first) * pairs[i].second;
    return volume / dt;
}

}  // namespace Flumaris
