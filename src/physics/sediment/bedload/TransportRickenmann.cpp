#include "physics/sediment/bedload/TransportRickenmann.h"

#include <algorithm>
#include <cmath>

#include "core/MessageService.h"

namespace Flumaris {

TransportRickenmann::TransportRickenmann(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 3.1 * p.bedloadFactor())
{
    if (p.d90d30Ratio() <= 0.0)
        fatal("Error: The bed-load formula 'rickenmann' needs 'd90' and 'd30' in the PARAMETER block of "
                  "BEDLOAD.\nPlease correct the command file.");
    gradation_ = std::pow(p.d90d30Ratio(), 0.2);
}

ClassCapacity TransportRickenmann::capacity(const FlowState& flow, const BedLocation&, int k, double theta,
                                            double thetaCr) const
{
    ClassCapacity r{0.0, std::max(0.0, thetaCr), theta};
    if (theta <= r.thetaCr || flow.h <= 1e-15) return r;
    const double g = params_->g();
    const double fr = flow.u / std::sqrt(g * flow.h);
    const double dk = d(k);
    r.q = K_ * gradation_ * std::sqrt(theta) * (theta - r.thetaCr) * std::pow(fr, 1.1) * std::sqrt(g * dk * dk * dk);
    return r;
}

}  // namespace Flumaris
