#include "physics/sediment/MorphologySettings.h"

#include "core/MessageService.h"
#include "input/blocks/IRsedimentChecks.h"
#include "physics/sediment/controlvolume/BedloadContrVolFactory.h"

namespace Flumaris {

MorphologySettings MorphologySettings::fromBlock(const FLUMparse::InputBlock& b)
{
    MorphologySettings s;
    s.porosity = b.getTag("porosity").asDouble() / 100.0;
    s.density = b.getTag("density").asDouble();
    s.controlVolumeType = controlVolumeTypeFromWord(b.getTag("control_volume_type").asString());
    if (b.isSet("control_volume_thickness")) s.controlVolumeThickness = b.getTag("control_volume_thickness").asDouble();
    s.controlVolumeFactor = b.getTag("control_volume_factor").asDouble();
    s.createNewLayers = b.getTag("create_new_layers").asString() == "on";
    if (b.isSet("max_layer_thickness")) s.maxLayerThickness = b.getTag("max_layer_thickness").asDouble();
    s.minThetaCritic = b.getTag("min_theta_critic").asDouble();
    if (const auto* t = b.findTag("local_slope_angle_repose")) s.angleOfRepose = t->asDouble();
    if (const auto* t = b.findTag("strong_coupling")) s.strongCoupling = t->asString() == "on";
    if (const auto* t = b.findTag("strong_coupling_iter")) s.strongCouplingIterations = t->asInt();
    if (const auto* t = b.findTag("wetting_fraction")) s.wettingFraction = t->asDouble();
    if (const auto* t = b.findTag("max_dz_table")) s.maxDzTable = t->asDouble();

    if (s.createNewLayers && s.controlVolumeType == ControlVolumeType::Constant && s.maxLayerThickness >= 0.0 &&
        s.maxLayerThickness < s.controlVolumeThickness)
        fatal(FLUMparse::SedimentText::maxLayerBelowControlVolume());
    return s;
}

}  // namespace Flumaris
