#include "physics/resistance/BedFormsReductionFactorMPM.h"

#include <cmath>

#include "core/FlumMath.h"
#include "core/Flumaris.h"
#include "physics/resistance/GrainSizeSource.h"

namespace Flumaris {

double BedFormsReductionFactorMPM::factor(double c, double h, double d90) const
{
    if (!(h > 0.0) || !(d90 > 0.0)) return 1.0;
    const double kst = c * settings().sqrtGravity() / sixthRoot(h);
    const double kr = grainLaw_.getFrictionFromGrain(d90);
    const double mu = std::pow(kst / kr, 1.5);
    return (mu > 1.0 || !(mu > 0.0)) ? 1.0 : mu;
}

double BedFormsReductionFactorMPM::getFactor2D(const BedFormElement& el) const
{
    return factor(el.c, el.h, grains_.d90OfElement(el.index));
}

double BedFormsReductionFactorMPM::getFactor1D(double c, double h, int s) const
{
    return factor(c, h, grains_.d90OfSection(s));
}

double BedFormsReductionFactorMPM::widthWeightedD90(std::span<const double> widths, std::span<const double> d90s)
{
    double sumW = 0.0, sumWd = 0.0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        sumW += widths[i];
        sumWd += widths[i] * d90s[i];
    }
    return sumW <= 1e-15 ? 0.0 : sumWd / sumW;
}

}  // namespace Flumaris
