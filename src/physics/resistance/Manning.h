#pragma once
// Manning law. Friction value n [s/m^(1/3)] (n = 1/kst).
//   c = scale * h^(1/6) / (n sqrt(g)),  0 for h < 0
//   from grain: n = d^(1/6) / strickler_factor  (0 for d <= 0)
// n <= 0 means no friction. Valid for rough turbulent flow.
#include <cmath>

#include "core/FlumMath.h"
#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

class Manning final : public ResistanceCalc {
public:
    Manning(bool grainFriction, double stricklerFactor) : ResistanceCalc(0.0, grainFriction, stricklerFactor) {}

    double coefficient(double n, double h, double scale, double sqrtG) const
    {
        return h < 0.0 ? 0.0 : scale * sixthRoot(h) / (n * sqrtG);
    }

    double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const override
    {
        return coefficient(value, h, scale, sqrtG);
    }
    double getFrictionFromGrain(double d) const override;
    void addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const override;
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override;
};

}  // namespace Flumaris
