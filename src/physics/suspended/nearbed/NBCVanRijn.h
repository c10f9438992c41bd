#pragma once
// van Rijn (1984b), sand 0.1 to 0.5 mm:
//   c_a = 0.015 d T^1.5 / (a D*^0.3),  T = (tau - tau_cr)/tau_cr (0 if negative),
//   a = factor_depth_reference_height * h.
#include "physics/suspended/nearbed/NearBedConcentration.h"

namespace Flumaris {

class NBCVanRijn final : public NearBedConcentration {
public:
    explicit NBCVanRijn(double referenceHeightFactor) : factor_(referenceHeightFactor) {}
    double concentration(const NearBedState& s) const override;

private:
    double factor_;
};

}  // namespace Flumaris
