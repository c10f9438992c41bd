#include "input/blocks/IRparamSub.h"

namespace FLUMparse {

IRparamSub::IRparamSub() : InputBlock("PARAMETER") {
    setDescription(
        "Solver parameters of the subsurface subdomain. "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("PARAMETER {\n"
        "}");
}

void IRparamSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
