#pragma once
// The one place that knows every `sink_velocity_type` word.
#include <memory>
#include <string>
#include <vector>

#include "physics/suspended/SuspensionSettings.h"
#include "physics/suspended/settling/SettlingVelocity.h"

namespace Flumaris {

SinkVelocityType sinkVelocityTypeFromWord(const std::string& word);
std::vector<std::string> sinkVelocityWords();
std::unique_ptr<SettlingVelocity> createSettlingVelocity(SinkVelocityType type, double g, double nu,
                                                         double shapeFactor);

}  // namespace Flumaris
