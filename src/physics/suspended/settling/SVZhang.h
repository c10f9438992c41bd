#pragma once
// Zhang (1961), from the Stokes to the turbulent range:
//   w = sqrt((13.95 nu/d)^2 + 1.09 delta g d) - 13.95 nu/d
#include "physics/suspended/settling/SettlingVelocity.h"

namespace Flumaris {

class SVZhang final : public SettlingVelocity {
public:
    using SettlingVelocity::SettlingVelocity;
    double velocity(double d, double delta) const override;
};

}  // namespace Flumaris
