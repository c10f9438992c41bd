#include "input/blocks/IRsublayer.h"

namespace FLUMparse {

IRsublayer::IRsublayer() : InputBlock("LAYER") {
    setDescription("A layer of a soil.");
    setExample("LAYER {\n"
        "}");
}

void IRsublayer::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
