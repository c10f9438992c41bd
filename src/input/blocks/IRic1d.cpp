#include "input/blocks/IRic1d.h"

namespace FLUMparse {

IRic1d::IRic1d() : InputBlock("INITIAL") {
    setDescription("Initial condition of the 1-D subdomain.");
    setExample("INITIAL {\n"
        "}");
}

void IRic1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
