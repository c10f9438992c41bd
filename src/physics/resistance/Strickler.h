#pragma once
// Strickler law. Friction value kst [m^(1/3)/s].
//   c = scale * kst * h^(1/6) / sqrt(g),  0 for h <= 0
//   from grain: kst = strickler_factor / d^(1/6)  (21.1 / d90^(1/6) by default; 0 for d <= 0)
// Values above 1e6 mean no friction. Valid for rough turbulent flow.
#include <cmath>

#include "core/FlumMath.h"
#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

class Strickler final : public ResistanceCalc {
public:
    static constexpr double kNoFrictionLimit = 1.0e6;

    Strickler(bool grainFriction, double stricklerFactor) : ResistanceCalc(1000.0, grainFriction, stricklerFactor) {}

    double coefficient(double kst, double h, double scale, double sqrtG) const
    {
        return h <= 0.0 ? 0.0 : scale * kst * sixthRoot(h) / sqrtG;
    }

    double getVelocityCoefficient(double value, double h, double scale, double sqrtG) const override
    {
        return coefficient(value, h, scale, sqrtG);
    }
    double getFrictionFromGrain(double d) const override;
    bool isFrictionless(double value) const override { return value > noFrictionLimit_; }
    void addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const override;
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override;

private:
    double noFrictionLimit_ = kNoFrictionLimit;
};

}  // namespace Flumaris
