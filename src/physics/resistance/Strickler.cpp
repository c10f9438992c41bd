#include "physics/resistance/Strickler.h"

namespace Flumaris {

double Strickler::getFrictionFromGrain(double d) const
{
    return d <= 0.0 ? 0.0 : lawParameter_ / sixthRoot(d);
}

void Strickler::addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const
{
    // K_i = kst w h^(5/3), A_i = w h
    const double h53 = std::pow(h, 5.0 / 3.0);
    sumK2A += value * value * width * h53 * h53 / h;
    sumK += value * width * h53;
}

void Strickler::computeAll(std::span<const double> values, std::span<const double> depths, double scale,
                           double sqrtG, double wetDepth, std::span<double> out) const
{
    sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
}

}  // namespace Flumaris
