#include "input/blocks/IRspecoutSub.h"

namespace FLUMparse {

IRspecoutSub::IRspecoutSub() : InputBlock("SPECIAL_OUTPUT") {
    setDescription("A special output of the subsurface subdomain.");
    setExample("SPECIAL_OUTPUT {\n"
        "}");
}

void IRspecoutSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
