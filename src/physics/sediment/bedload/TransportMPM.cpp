#include "physics/sediment/bedload/TransportMPM.h"

#include <algorithm>
#include <cmath>

namespace Flumaris {

TransportMPM::TransportMPM(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 8.0 * p.bedloadFactor() * std::sqrt(p.sMinus1() * p.g()))
{
}

ClassCapacity TransportMPM::capacity(const FlowState& flow, const BedLocation&, int k, double theta,
                                     double thetaCr) const
{
    ClassCapacity r{0.0, std::max(0.0, modified(thetaCr, k, flow)), theta};
    if (theta <= r.thetaCr) return r;
    const double x = (theta - r.thetaCr) * d(k);
    r.q = K_ * x * std::sqrt(x);
    return r;
}

}  // namespace Flumaris
