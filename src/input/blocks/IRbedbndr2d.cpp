#include "input/blocks/IRbedbndr2d.h"

namespace FLUMparse {

IRbedbndr2d::IRbedbndr2d() : InputBlock("BOUNDARY") {
    setDescription("A bed-load boundary of the 2-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbedbndr2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
