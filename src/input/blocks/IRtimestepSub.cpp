#include "input/blocks/IRtimestepSub.h"

namespace FLUMparse {

IRtimestepSub::IRtimestepSub() : InputBlock("TIMESTEP") {
    setDescription(
        "Time stepping of the subsurface subdomain. "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("TIMESTEP {\n"
        "}");
}

void IRtimestepSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
