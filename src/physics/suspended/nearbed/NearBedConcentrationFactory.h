#pragma once
// The one place that knows every `concentration_type` word.
#include <memory>
#include <string>
#include <vector>

#include "physics/suspended/SuspensionSettings.h"
#include "physics/suspended/nearbed/NearBedConcentration.h"

namespace Flumaris {

NearBedConcentrationType nearBedConcentrationTypeFromWord(const std::string& word);
std::vector<std::string> nearBedConcentrationWords();
std::unique_ptr<NearBedConcentration> createNearBedConcentration(NearBedConcentrationType type,
                                                                 double referenceHeightFactor);

}  // namespace Flumaris
