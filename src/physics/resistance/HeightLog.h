#pragma once
// Logarithmic law on the sand roughness ks [m]:
//   c = scale * 2.5 * ln(11 h / ks)   for h >= 3 ks
//   c = scale * 1.3                   for shallower flow
// The jump at h = 3 ks (1.3 -> 2.5 ln 33 = 8.74) is not blended.
#include <cmath>

#include "physics/resistance/RoughnessHeight.h"

namespace Flumaris {

class HeightLog final : public RoughnessHeight {
public:
    HeightLog(bool grainFriction, double roughnessFactor) : RoughnessHeight(grainFriction, roughnessFactor) {}

    double coefficient(double ks, double h, double scale, double) const
    {
        return h >= 3.0 * ks ? scale * 2.5 * std::log(11.0 * h / ks) : scale * 1.3;
    }

    double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const override
    {
        return coefficient(value, h, scale, sqrtG);
    }
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override
    {
        sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
    }
};

}  // namespace Flumaris
