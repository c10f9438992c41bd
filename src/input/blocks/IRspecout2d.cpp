#include "input/blocks/IRspecout2d.h"

namespace FLUMparse {

IRspecout2d::IRspecout2d() : InputBlock("SPECIAL_OUTPUT") {
    setDescription("A special output of the 2-D subdomain.");
    setExample("SPECIAL_OUTPUT {\n"
        "}");
}

void IRspecout2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
