#pragma once
// No resistance: c = 1e6 whatever the value and depth (practically no shear stress).
#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

class NoFriction final : public ResistanceCalc {
public:
    static constexpr double kCoefficient = 1.0e6;

    NoFriction() : ResistanceCalc(0.0, false, 0.0) {}

    double coefficient(double, double, double, double) const { return kCoefficient; }

    double getVelocityCoefficient(double, double, double, double) const override { return kCoefficient; }
    double getFrictionFromGrain(double) const override { return 0.0; }
    void computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                    double wetDepth, std::span<double> out) const override
    {
        sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
    }
};

}  // namespace Flumaris
