#pragma once
// The one place that knows the adaptation-coefficient words ("lin", "minhduc").
#include <memory>
#include <string>

#include "physics/suspended/adaptation/AdaptationCoefficient.h"

namespace Flumaris {

std::unique_ptr<AdaptationCoefficient> createAdaptationCoefficient(const std::string& word);

}  // namespace Flumaris
