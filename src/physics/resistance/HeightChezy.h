#pragma once
// Logarithmic Chezy-type law on the sand roughness ks [m]:
//   c = scale * 5.75 * log10(12 h / ks)      (rough turbulent flow, h well above ks)
// Beta sums take the friction value as the Chezy coefficient C:
//   K_i = C w h^(3/2), K_i^2 / A_i = C^2 w h^2.
#include <cmath>

#include "physics/resistance/RoughnessHeight.h"

namespace Flumaris {

class HeightChezy final : public RoughnessHeight {
public:
    HeightChezy(bool grainFriction, double roughnessFactor) : RoughnessHeight(grainFriction, roughnessFactor) {}

    double coefficient(double ks, double h, double scale, double) const
    {
        return scale * 5.75 * std::log10(12.0 * h / ks);
    }

    double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const override
    {
        return coefficient(value, h, scale, sqrtG);
    }
    void addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const override;
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override;
};

}  // namespace Flumaris
