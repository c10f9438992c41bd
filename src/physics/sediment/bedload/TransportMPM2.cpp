#include "physics/sediment/bedload/TransportMPM2.h"

#include <algorithm>
#include <cmath>

#include "physics/sediment/bedload/HidingAshidaMichiue.h"

namespace Flumaris {

TransportMPM2::TransportMPM2(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 8.0 * p.bedloadFactor() * std::sqrt(p.sMinus1() * p.g()))
{
}

void TransportMPM2::prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const
{
    TransportCapacity::prepare(surface, sublayer, loc);
    for (int k = 0; k < params_->getNumGrainClasses(); ++k)
        loc.hiding[static_cast<size_t>(k)] = hidingAshidaMichiue(d(k) / loc.dm);
}

ClassCapacity TransportMPM2::capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                                      double thetaCr) const
{
    const double xi = loc.hiding[static_cast<size_t>(k)];
    ClassCapacity r{0.0, std::max(0.0, xi * modified(thetaCr, k, flow)), theta};
    if (theta <= r.thetaCr) return r;
    const double x = (theta - r.thetaCr) * d(k);
    r.q = K_ * x * std::sqrt(x);
    return r;
}

}  // namespace Flumaris
