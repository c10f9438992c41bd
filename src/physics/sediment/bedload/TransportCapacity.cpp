#include "physics/sediment/bedload/TransportCapacity.h"

#include "core/FlumAssert.h"

namespace Flumaris {

TransportCapacity::TransportCapacity(const SedParameters& params, const ThetaCritical& thetaCritical, double K)
    : params_(&params), thetaCritical_(&thetaCritical), K_(K)
{
    FLUM_ASSERT_MSG(params_ != nullptr, "sedParameters_ != NULL");
    FLUM_ASSERT_MSG(params_->getNumGrainClasses() > 0, "sedParameters_->getNumGrainClasses() > 0");
}

BedLocation TransportCapacity::makeLocation() const
{
    BedLocation loc;
    loc.hiding.assign(static_cast<size_t>(params_->getNumGrainClasses()), 1.0);
    return loc;
}

void TransportCapacity::prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const
{
    loc.dm = surface.meanDiameter();
    loc.dg = surface.geometricMeanDiameter();
    loc.sigma = surface.geometricStdDeviation();
    loc.dmSub = sublayer ? sublayer->meanDiameter() : loc.dm;
}

}  // namespace Flumaris
