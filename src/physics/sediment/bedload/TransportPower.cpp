#include "physics/sediment/bedload/TransportPower.h"

#include <cmath>

namespace Flumaris {

TransportPower::TransportPower(const SedParameters& p, const ThetaCritical& t)
    : TransportCapacity(p, t, p.powerLawA() * p.bedloadFactor()), b_(p.powerLawB())
{
}

ClassCapacity TransportPower::capacity(const FlowState& flow, const BedLocation&, int, double theta, double) const
{
    return ClassCapacity{flow.u > 0.0 ? K_ * std::pow(flow.u, b_) : 0.0, 0.0, theta};
}

}  // namespace Flumaris
