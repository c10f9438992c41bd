#pragma once
// The one place that knows every `control_volume_type` word.
#include <memory>
#include <string>

#include "physics/sediment/MorphologySettings.h"
#include "physics/sediment/controlvolume/BedloadContrVol.h"

namespace Flumaris {

// Compared in upper case; an unknown word stops the run naming the valid ones.
ControlVolumeType controlVolumeTypeFromWord(const std::string& word);
std::unique_ptr<BedloadContrVol> createBedloadContrVol(const MorphologySettings& s);

}  // namespace Flumaris
