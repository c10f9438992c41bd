#include "input/blocks/IRinnerboundary2d.h"

namespace FLUMparse {

IRinnerboundary2d::IRinnerboundary2d() : InputBlock("INNER_BOUNDARY") {
    setDescription("An inner boundary (weir, gate) of the 2-D subdomain.");
    setExample("INNER_BOUNDARY {\n"
        "}");
}

void IRinnerboundary2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
