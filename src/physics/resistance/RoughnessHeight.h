#pragma once
// Laws whose friction value is an equivalent sand roughness ks [m].
// From grain: ks = roughness_factor * d (3 d90 by default).
// Their coefficients do not guard h <= 0: call them for wet cells only.
#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

class RoughnessHeight : public ResistanceCalc {
public:
    RoughnessHeight(bool grainFriction, double roughnessFactor) : ResistanceCalc(0.0, grainFriction, roughnessFactor) {}
    double getFrictionFromGrain(double d) const override { return lawParameter_ * d; }
};

}  // namespace Flumaris
