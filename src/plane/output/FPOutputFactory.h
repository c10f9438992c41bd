#pragma once
// Builds the outputs of a 2-D subdomain from its OUTPUT block.
#include <string>

namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {
class FLUMplane_2d;
void createOutputs(FLUMplane_2d& plane, const FLUMparse::InputBlock* output);
// Julian date of a reference_time "DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS"; a malformed text stops the run.
double julianReferenceTime(const std::string& text);
}  // namespace FlumPlane
