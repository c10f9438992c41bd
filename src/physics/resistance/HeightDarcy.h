#pragma once
// Darcy-Weisbach law with a logarithmic friction factor on the sand roughness ks [m]:
//   f = 0.24 / log10(12 h / ks),  c = scale * sqrt(8 / f)
// Valid for h > ks/12 (f positive).
#include <cmath>

#include "physics/resistance/RoughnessHeight.h"

namespace Flumaris {

class HeightDarcy final : public RoughnessHeight {
public:
    HeightDarcy(bool grainFriction, double roughnessFactor) : RoughnessHeight(grainFriction, roughnessFactor) {}

    double coefficient(double ks, double h, double scale, double) const
    {
        const double f = 0.24 / std::log10(12.0 * h / ks);
        return scale * std::sqrt(8.0 / f);
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
