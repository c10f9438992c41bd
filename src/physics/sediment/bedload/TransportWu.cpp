#include "physics/sediment/bedload/TransportWu.h"

#include <algorithm>
#include <cmath>

#include "core/FlumAssert.h"

namespace Flumaris {

TransportWu::TransportWu(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 0.0053 * p.bedloadFactor() * std::sqrt(p.sMinus1() * p.g())),
      exponent_(p.hidingExponent(kDefaultHidingExponent))
{
}

void TransportWu::prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const
{
    TransportCapacity::prepare(surface, sublayer, loc);
    const int n = params_->getNumGrainClasses();
    for (int k = 0; k < n; ++k) {
        double pHiding = 0.0;
        for (int j = 0; j < n; ++j) pHiding += surface.fraction(j) * d(j) / (d(k) + d(j));
        FLUM_ASSERT_MSG(pHiding > 1E-10, "p_hiding > 1E-10");
        loc.hiding[static_cast<size_t>(k)] = std::pow((1.0 - pHiding) / pHiding, exponent_);
    }
}

ClassCapacity TransportWu::capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                                    double thetaCr) const
{
    const double base = std::max(params_->minThetaCritic(), modified(thetaCr, k, flow));
    ClassCapacity r{0.0, base * loc.hiding[static_cast<size_t>(k)], theta};
    if (r.thetaCr == 0.0 || theta <= r.thetaCr) return r;
    const double dk = d(k);
    r.q = K_ * std::pow(theta / r.thetaCr - 1.0, 2.2) * dk * std::sqrt(dk);
    return r;
}

}  // namespace Flumaris
