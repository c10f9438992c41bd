#pragma once
// Builds the outputs of a 2-D subdomain from its OUTPUT block: one table of
// {type word, creator} for the SPECIAL_OUTPUT kinds.
#include <memory>
#include <string>
#include <vector>

#include "plane/output/FPOutput.h"

namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {
class PlaneView;
std::vector<std::unique_ptr<FPOutput>> createOutputs(const PlaneView& plane, const FLUMparse::InputBlock* output);
// The SPECIAL_OUTPUT types the table knows (the schema lists the same words).
std::vector<std::string> outputTypeWords();
// Julian date of a reference_time "DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS"; a malformed text stops the run.
double julianReferenceTime(const std::string& text);
}  // namespace FlumPlane
