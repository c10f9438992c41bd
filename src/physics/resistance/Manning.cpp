#include "physics/resistance/Manning.h"

namespace Flumaris {

double Manning::getFrictionFromGrain(double d) const
{
    return d <= 0.0 ? 0.0 : sixthRoot(d) / lawParameter_;
}

void Manning::addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const
{
    const double kst = 1.0 / value;
    const double c = cbrtPositive(h);
    sumK2A += kst * kst * width * h * h * c;
    sumK += kst * width * h * c * c;
}

void Manning::computeAll(std::span<const double> values, std::span<const double> depths, double scale, double sqrtG,
                         double wetDepth, std::span<double> out) const
{
    sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
}

}  // namespace Flumaris
