#include "input/blocks/IRsuspbndr1d.h"

namespace FLUMparse {

IRsuspbndr1d::IRsuspbndr1d() : InputBlock("BOUNDARY") {
    setDescription("A suspended-load boundary of the 1-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRsuspbndr1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
