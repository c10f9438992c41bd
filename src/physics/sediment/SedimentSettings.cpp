#include "physics/sediment/SedimentSettings.h"

#include "core/MessageService.h"

namespace Flumaris {

SedimentSettings SedimentSettings::fromBlock(const FLUMparse::InputBlock& m)
{
    SedimentSettings s;
    if (const auto* material = m.getChild("BEDMATERIAL"))
        if (const auto* grains = material->getChild("GRAIN_CLASS"))
            for (double d : grains->getTag("diameters").asDoubleList()) s.diameters.push_back(d / 1000.0);
    if (const auto* p = m.getChild("PARAMETER")) s.morphology = MorphologySettings::fromBlock(*p);
    if (const auto* bedload = m.getChild("BEDLOAD")) {
        if (!s.morphology)
            fatal("Error: Bed load needs the PARAMETER block of MORPHOLOGY (porosity and density of the "
                      "bed).\nPlease correct the command file.");
        s.bedload = BedloadSettings::fromBlock(bedload->getBlock("PARAMETER"));
    }
    if (const auto* susp = m.getChild("SUSPENDED_LOAD"))
        if (const auto* p = susp->getChild("PARAMETER")) s.suspension = SuspensionSettings::fromBlock(*p);
    return s;
}

}  // namespace Flumaris
