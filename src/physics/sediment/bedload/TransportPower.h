#pragma once
// Power law of the velocity, single grain, no threshold:
//   q = a bf u^b     [m2/s] for u in m/s (a carries the units)
// For calibration against measured rating curves of a reach.
#include "physics/sediment/bedload/TransportCapacity.h"

namespace Flumaris {

class TransportPower final : public TransportCapacity {
public:
    TransportPower(const SedParameters& p, const ThetaCritical& t);
    ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                           double thetaCr) const override;
    bool hasThreshold() const override { return false; }

private:
    double b_;
};

}  // namespace Flumaris
