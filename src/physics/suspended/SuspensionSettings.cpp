#include "physics/suspended/SuspensionSettings.h"

#include "physics/suspended/nearbed/NearBedConcentrationFactory.h"
#include "physics/suspended/settling/SettlingVelocityFactory.h"
#include "physics/suspended/typefactor/TransportTypeFactorFactory.h"

namespace Flumaris {

SuspensionSettings SuspensionSettings::fromBlock(const FLUMparse::InputBlock& b)
{
    SuspensionSettings s;
    s.sinkVelocity = sinkVelocityTypeFromWord(b.getTag("sink_velocity_type").asString());
    const FLUMparse::InputTag* shape = b.findTag("corey_shape_factor");
    s.shapeFactor = (shape ? *shape : b.getTag("shape_factor")).asDouble();
    s.concentration = nearBedConcentrationTypeFromWord(b.getTag("concentration_type").asString());
    s.referenceHeightFactor = b.getTag("factor_depth_reference_height").asDouble();
    s.useTransportTypeFactor = b.getTag("use_transport_type_factor").asBool();
    s.transportTypeFactor = transportTypeFactorTypeFromWord(b.getTag("transport_type_factor").asString());
    const FLUMparse::InputTag* pickup = b.findTag("pickup_factors");
    s.pickupFactors = (pickup ? *pickup : b.getTag("pickup_factor")).asDoubleList();
    if (const auto* t = b.findTag("adaption_length_factor")) s.adaptionLengthFactor = t->asDouble();
    return s;
}

}  // namespace Flumaris
