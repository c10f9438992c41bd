#pragma once
// Boundary series whose value over a step [t, t + dt] is the mean rate of the
// step, so that value * dt is the volume entering in it. Each pair interval of
// the step is weighted with the value at its right end.
#include "physics/series/BoundarySerie.h"

namespace Flumaris {

class BoundarySerieIntegration final : public BoundarySerie {
public:
    using BoundarySerie::BoundarySerie;
    using BoundarySerie::getValue;

    // dt <= 0: the interpolated value at t.
    double getValue(double t, double dt) const override;
};

}  // namespace Flumaris
