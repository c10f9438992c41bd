#include "input/blocks/IRinnerboundary1d.h"

namespace FLUMparse {

IRinnerboundary1d::IRinnerboundary1d() : InputBlock("INNER_BOUNDARY") {
    setDescription("An inner boundary (weir, gate) of the 1-D subdomain.");
    setExample("INNER_BOUNDARY {\n"
        "}");
}

void IRinnerboundary1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
