#include "physics/resistance/HeightChezy.h"

namespace Flumaris {

void HeightChezy::addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const
{
    sumK2A += value * value * width * h * h;
    sumK += value * width * h * std::sqrt(h);
}

void HeightChezy::computeAll(std::span<const double> values, std::span<const double> depths, double scale,
                             double sqrtG, double wetDepth, std::span<double> out) const
{
    sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
}

}  // namespace Flumaris
