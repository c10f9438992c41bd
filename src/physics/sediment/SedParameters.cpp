#include "physics/sediment/SedParameters.h"

#include <cmath>
#include <numbers>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/blocks/IRsedimentChecks.h"

namespace Flumaris {

FluidProperties FluidProperties::fromProgramSettings()
{
    const ProgramSettings& p = settings();
    return FluidProperties{p.gravity(), p.kinematicViscosity_, p.waterDensity_};
}

SedParameters::SedParameters(const std::vector<double>& diameters, const MorphologySettings& morphology,
                             const BedloadSettings& bedload, const FluidProperties& fluid)
    : morphology_(morphology), bedload_(bedload), fluid_(fluid)
{
    using namespace FLUMparse::SedimentText;
    for (size_t k = 0; k < diameters.size(); ++k) {
        if (!(diameters[k] > 0.0)) fatal(grainSizesPositive());
        if (k > 0 && !(diameters[k] > diameters[k - 1])) fatal(grainSizesAscending());
        grains_.emplace_back(diameters[k]);
    }
    if (morphology.density < kDensityMin || morphology.density > kDensityMax)
        report(4, densityOutOfRange(morphology.density));
    if (100.0 * morphology.porosity < kPorosityMin || 100.0 * morphology.porosity > kPorosityMax)
        report(4, porosityOutOfRange(100.0 * morphology.porosity));

    sqrtG_ = std::sqrt(fluid.g);
    rhoS_ = morphology.density;
    s_ = rhoS_ / fluid.rho;
    sMinus1_ = s_ - 1.0;
    porosity_ = morphology.porosity;
    reposeDeg_ = bedload.angleOfRepose.value_or(morphology.angleOfRepose);
    reposeRad_ = reposeDeg_ * std::numbers::pi / 180.0;
    tanRepose_ = std::tan(reposeRad_);
    sinRepose_ = std::sin(reposeRad_);
    d90_ = bedload.d90;
    d30_ = bedload.d30;
    ratio9030_ = (d90_ > 0.0 && d30_ > 0.0) ? d90_ / d30_ : -1.0;
    alpha_ = bedload.alpha;
    bedloadFactor_ = bedload.bedloadFactor;
    powerA_ = bedload.powerLawA;
    powerB_ = bedload.powerLawB;
    minThetaCritic_ = morphology.minThetaCritic;
    hasHiding_ = bedload.hidingExponent.has_value();
    hiding_ = bedload.hidingExponent.value_or(0.0);
    dStarFactor_ = std::cbrt(sMinus1_ * fluid.g / (fluid.nu * fluid.nu));
}

}  // namespace Flumaris
