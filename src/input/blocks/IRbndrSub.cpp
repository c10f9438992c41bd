#include "input/blocks/IRbndrSub.h"

namespace FLUMparse {

IRbndrSub::IRbndrSub() : InputBlock("BOUNDARY") {
    setDescription("A boundary of the subsurface subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndrSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
