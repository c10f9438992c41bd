#include "input/blocks/IRspecoutSub.h"

namespace FLUMparse {

IRspecoutSub::IRspecoutSub() : InputBlock("SPECIAL_OUTPUT") {
    setDescription(
        "A result file of the subsurface subdomain (pressure heads, saturation or seepage fluxes). "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("SPECIAL_OUTPUT {\n"
        "}");
}

void IRspecoutSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
