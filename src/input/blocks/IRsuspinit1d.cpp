#include "input/blocks/IRsuspinit1d.h"

namespace FLUMparse {

IRsuspinit1d::IRsuspinit1d() : InputBlock("INITIAL") {
    setDescription("Initial suspended load of the 1-D subdomain.");
    setExample("INITIAL {\n"
        "}");
}

void IRsuspinit1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
