#pragma once
// Strickler law written on the sand roughness ks [m] with Strickler factor K:
//   c = scale * K * (max(h, ks/3) / (ks/3))^(1/6) / sqrt(g)
// With ks = 3 d90 this is kst = K / d90^(1/6); the depth is clipped at ks/3 so
// the ratio never drops below 1. sqrt(g) is always that of the physical
// properties, whatever the caller passes.
#include <algorithm>
#include <cmath>

#include "core/FlumMath.h"
#include "physics/resistance/RoughnessHeight.h"

namespace Flumaris {

class HeightStrick final : public RoughnessHeight {
public:
    HeightStrick(bool grainFriction, double stricklerFactor, double roughnessFactor)
        : RoughnessHeight(grainFriction, roughnessFactor), stricklerFactor_(stricklerFactor)
    {
    }

    // sqrtG here is the physical-property value (see getVelocityCoefficient).
    double coefficient(double ks, double h, double scale, double sqrtG) const
    {
        const double k3 = ks / 3.0;
        return scale * stricklerFactor_ * sixthRoot(std::max(h, k3) / k3) / sqrtG;
    }

    double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const override;
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override;
    double stricklerFactor() const { return stricklerFactor_; }

private:
    double stricklerFactor_;
};

}  // namespace Flumaris
