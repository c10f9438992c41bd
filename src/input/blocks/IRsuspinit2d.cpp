#include "input/blocks/IRsuspinit2d.h"

namespace FLUMparse {

IRsuspinit2d::IRsuspinit2d() : InputBlock("INITIAL") {
    setDescription("Initial suspended load of the 2-D subdomain.");
    setExample("INITIAL {\n"
        "}");
}

void IRsuspinit2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
