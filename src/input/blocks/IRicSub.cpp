#include "input/blocks/IRicSub.h"

namespace FLUMparse {

IRicSub::IRicSub() : InputBlock("INITIAL") {
    setDescription("Initial condition of the subsurface subdomain.");
    setExample("INITIAL {\n"
        "}");
}

void IRicSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
