#include "physics/resistance/Strickler.h"

namespace Flumaris {

double Strickler::getFrictionFromGrain(double d) const
{
    return d <= 0.0 ? 0.0 : lawParameter_ / sixthRoot(d);
}

void Strickler::addBetaContribution(double value, double h, double width, double& sumK2A, double& sumK) const
{
    // K_i = kst w h^(5/3), K_i^2 / A_i = kst^2 w h^(7/3); one cube root instead
    // of pow, since a section table calls this for every wet slice of every row
    const double c = cbrtPositive(h);
    sumK2A += value * value * width * h * h * c;
    sumK += value * width * h * c * c;
}

void Strickler::computeAll(std::span<const double> values, std::span<const double> depths, double scale,
                           double sqrtG, double wetDepth, std::span<double> out) const
{
    sweep(*this, values, depths, scale, sqrtG, wetDepth, out);
}

}  // namespace Flumaris
