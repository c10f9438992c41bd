#include "plane/output/FPConsoleOutput.h"

#include <fmt/format.h>

#include "core/MessageService.h"

namespace FlumPlane {

std::string FPConsoleOutput::line(double t, double dt, const std::string& subdomain) {
    return fmt::format("TIME = {:.6g}   hyd. Time Step = {:.6g}   (SD: {})", t, dt, subdomain);
}

void FPConsoleOutput::afterStep(double t, double dt) {
    if (!clock_.due(t)) return;
    Flumaris::report(5, line(t, dt, name_));
    clock_.written(t);
}

}  // namespace FlumPlane
