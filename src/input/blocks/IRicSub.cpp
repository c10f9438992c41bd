#include "input/blocks/IRicSub.h"

namespace FLUMparse {

IRicSub::IRicSub() : InputBlock("INITIAL") {
    setDescription(
        "Initial condition of the subsurface subdomain (initial pressure head or saturation). "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("INITIAL {\n"
        "}");
}

void IRicSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
