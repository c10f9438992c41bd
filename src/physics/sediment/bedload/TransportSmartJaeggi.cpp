#include "physics/sediment/bedload/TransportSmartJaeggi.h"

#include <algorithm>
#include <cmath>

#include "core/MessageService.h"

namespace Flumaris {

TransportSmartJaeggi::TransportSmartJaeggi(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, 4.0 * p.bedloadFactor() / p.sMinus1())
{
    if (p.d90d30Ratio() <= 0.0)
        fatal("Error: The bed-load formula 'smartjaeggi' needs 'd90' and 'd30' in the PARAMETER block of "
                  "BEDLOAD.\nPlease correct the command file.");
    gradation_ = std::pow(p.d90d30Ratio(), 0.2);
}

double TransportSmartJaeggi::slopeCorrected(double thetaCr, double J, double tanRepose)
{
    const double beta = std::atan(-J);
    return thetaCr * std::cos(beta) * (1.0 - std::tan(beta) / tanRepose);
}

double TransportSmartJaeggi::flux(double K, const FlowState& flow, double thetaCr, double sMinus1, double dk)
{
    if (flow.h <= 0.0) return 0.0;
    const double q = K * flow.u * flow.h * std::pow(std::abs(flow.slope), 0.6) *
                     (-flow.slope - thetaCr * sMinus1 * dk / flow.h);
    return std::max(0.0, q);
}

ClassCapacity TransportSmartJaeggi::capacity(const FlowState& flow, const BedLocation&, int k, double theta,
                                             double thetaCr) const
{
    const double base = std::max(0.0, modified(thetaCr, k, flow));
    ClassCapacity r{0.0, std::max(1e-15, slopeCorrected(base, flow.slope, params_->tanRepose())), theta};
    if (theta <= r.thetaCr) return r;
    r.q = gradation_ * flux(K_, flow, r.thetaCr, params_->sMinus1(), d(k));
    return r;
}

}  // namespace Flumaris
