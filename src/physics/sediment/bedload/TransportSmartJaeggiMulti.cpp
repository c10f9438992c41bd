#include "physics/sediment/bedload/TransportSmartJaeggiMulti.h"

#include <algorithm>

#include "physics/sediment/bedload/HidingAshidaMichiue.h"
#include "physics/sediment/bedload/TransportSmartJaeggi.h"

namespace Flumaris {

TransportSmartJaeggiMulti::TransportSmartJaeggiMulti(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 4.0 * p.bedloadFactor() * p.alpha() / p.sMinus1())
{
}

void TransportSmartJaeggiMulti::prepare(const GrainMixture& surface, const GrainMixture* sublayer,
                                        BedLocation& loc) const
{
    TransportCapacity::prepare(surface, sublayer, loc);
    for (int k = 0; k < params_->getNumGrainClasses(); ++k)
        loc.hiding[static_cast<size_t>(k)] = hidingAshidaMichiue(d(k) / loc.dm);
}

ClassCapacity TransportSmartJaeggiMulti::capacity(const FlowState& flow, const BedLocation& loc, int k,
                                                  double theta, double thetaCr) const
{
    const double base = std::max(0.0, modified(thetaCr, k, flow));
    const double corrected = TransportSmartJaeggi::slopeCorrected(base, flow.slope, params_->tanRepose());
    ClassCapacity r{0.0, corrected * loc.hiding[static_cast<size_t>(k)], theta};
    if (theta <= r.thetaCr) return r;
    r.q = TransportSmartJaeggi::flux(K_, flow, r.thetaCr, params_->sMinus1(), d(k));
    return r;
}

}  // namespace Flumaris
