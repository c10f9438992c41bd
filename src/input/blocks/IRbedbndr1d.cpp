#include "input/blocks/IRbedbndr1d.h"

namespace FLUMparse {

IRbedbndr1d::IRbedbndr1d() : InputBlock("BOUNDARY") {
    setDescription("A bed-load boundary of the 1-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbedbndr1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
