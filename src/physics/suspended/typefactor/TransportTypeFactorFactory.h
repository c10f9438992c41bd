#pragma once
// The one place that knows every `transport_type_factor` word.
#include <memory>
#include <string>
#include <vector>

#include "physics/suspended/SuspensionSettings.h"
#include "physics/suspended/typefactor/TransportTypeFactor.h"

namespace Flumaris {

TransportTypeFactorType transportTypeFactorTypeFromWord(const std::string& word);
std::vector<std::string> transportTypeFactorWords();
std::unique_ptr<TransportTypeFactor> createTransportTypeFactor(TransportTypeFactorType type);

}  // namespace Flumaris
