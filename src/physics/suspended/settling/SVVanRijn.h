#pragma once
// van Rijn (1984), natural sand:
//   d <= 1e-4 m:        w = delta g d^2 / (18 nu)                          (Stokes)
//   1e-4 < d <= 1e-3 m: w = 10 nu/d (sqrt(1 + 0.01 delta g d^3/nu^2) - 1)  (Zanke)
//   d > 1e-3 m:         w = 1.1 sqrt(delta g d)
#include "physics/suspended/settling/SettlingVelocity.h"

namespace Flumaris {

class SVVanRijn final : public SettlingVelocity {
public:
    using SettlingVelocity::SettlingVelocity;
    double velocity(double d, double delta) const override;
};

}  // namespace Flumaris
