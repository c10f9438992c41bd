#include "input/blocks/IRbndrSub.h"

namespace FLUMparse {

IRbndrSub::IRbndrSub() : InputBlock("BOUNDARY") {
    setDescription(
        "A boundary of the subsurface subdomain (prescribed pressure head or flux on a part of the lattice "
        "surface). "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndrSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
