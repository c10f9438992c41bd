#include "physics/resistance/HeightStrick.h"

#include "core/Flumaris.h"

namespace Flumaris {

double HeightStrick::getVelocityCoefficient(double value, double h, double scale, double) const
{
    return coefficient(value, h, scale, settings().sqrtGravity());
}

void HeightStrick::computeAll(std::span<const double> values, std::span<const double> depths, double scale, double,
                              double wetDepth, std::span<double> out) const
{
    sweep(*this, values, depths, scale, settings().sqrtGravity(), wetDepth, out);
}

}  // namespace Flumaris
