#include "input/blocks/IRextsrcSub.h"

namespace FLUMparse {

IRextsrcSub::IRextsrcSub() : InputBlock("EXTERNAL_SOURCE") {
    setDescription(
        "An external source or sink of water in the subsurface subdomain, such as a well or a drain. "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRextsrcSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
