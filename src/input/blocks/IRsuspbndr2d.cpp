#include "input/blocks/IRsuspbndr2d.h"

namespace FLUMparse {

IRsuspbndr2d::IRsuspbndr2d() : InputBlock("BOUNDARY") {
    setDescription("A suspended-load boundary of the 2-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRsuspbndr2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
