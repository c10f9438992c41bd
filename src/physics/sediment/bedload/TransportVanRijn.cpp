#include "physics/sediment/bedload/TransportVanRijn.h"

#include <algorithm>
#include <cmath>

#include "core/MessageService.h"

namespace Flumaris {

TransportVanRijn::TransportVanRijn(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 0.053 * p.bedloadFactor() * std::sqrt(p.sMinus1() * p.g()))
{
    if (p.d90() <= 0.0)
        fatal("Error: The bed-load formula 'vanrijn' needs 'd90' in the PARAMETER block of BEDLOAD.\nPlease "
                  "correct the command file.");
}

double TransportVanRijn::transportStage(const FlowState& flow, int k, double thetaCr) const
{
    const double ratio = 4.0 * flow.h / params_->d90();
    if (ratio <= 1.0) return 0.0;
    const double cGrain = 18.0 * std::log10(ratio);
    const double uStarGrain = params_->sqrtG() * flow.u / cGrain;
    const double uStarCr2 = thetaCr * params_->sMinus1() * params_->g() * d(k);
    return std::max(0.0, (uStarGrain * uStarGrain - uStarCr2) / uStarCr2);
}

ClassCapacity TransportVanRijn::capacity(const FlowState& flow, const BedLocation&, int k, double theta,
                                         double thetaCr) const
{
    ClassCapacity r{0.0, std::max(params_->minThetaCritic(), modified(thetaCr, k, flow)), theta};
    if (theta <= r.thetaCr) return r;
    const double T = transportStage(flow, k, r.thetaCr);
    if (T <= 0.0) return r;
    const double dk = d(k);
    r.q = K_ * std::pow(T, 2.1) * dk * std::sqrt(dk) / std::pow(params_->dStar(dk), 0.3);
    return r;
}

}  // namespace Flumaris
