#pragma once
// Zyserman & Fredsoe (1994):
//   c = 0.331 (theta - theta_c)^1.75 / (1 + 0.72 (theta - theta_c)^1.75),  0 for theta <= theta_c
// bounded by 0.46 for large theta.
#include "physics/suspended/nearbed/NearBedConcentration.h"

namespace Flumaris {

class NBCZyserman final : public NearBedConcentration {
public:
    double concentration(const NearBedState& s) const override;
};

}  // namespace Flumaris
