#include "physics/sediment/bedload/TransportMPMH.h"

#include <algorithm>
#include <cmath>

namespace Flumaris {

TransportMPMH::TransportMPMH(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 5.0 * p.bedloadFactor() * std::sqrt(p.sMinus1() * p.g())),
      exponent_(p.hidingExponent(kDefaultHidingExponent))
{
}

void TransportMPMH::prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const
{
    TransportCapacity::prepare(surface, sublayer, loc);
    loc.armouring = loc.dmSub == loc.dm ? 1.0 : std::pow(loc.dmSub / loc.dm, 0.33);
    loc.thetaCrMean = thetaCritical_->fromCurve(loc.dm);
}

double TransportMPMH::hiding(double x, double thetaM) const
{
    const double a = std::min(0.011 * std::pow(thetaM, exponent_) - 0.3, 20.0);
    return std::min(std::pow(x, -a), 5.0);
}

ClassCapacity TransportMPMH::capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                                      double thetaCr) const
{
    const double base = thetaCritical_->isConstant() ? thetaCr : loc.thetaCrMean;
    ClassCapacity r{0.0, std::max(0.0, modified(base * loc.armouring, k, flow)), theta};
    const double x = d(k) / loc.dm;
    const double thetaM = theta * x;
    r.theta = thetaM;
    if (thetaM <= r.thetaCr) return r;
    const double e = hiding(x, thetaM) * (thetaM - r.thetaCr) * loc.dm;
    r.q = K_ * e * std::sqrt(e);
    return r;
}

}  // namespace Flumaris
