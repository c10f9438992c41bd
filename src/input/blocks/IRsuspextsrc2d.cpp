#include "input/blocks/IRsuspextsrc2d.h"

namespace FLUMparse {

IRsuspextsrc2d::IRsuspextsrc2d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external suspended-load source of the 2-D subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRsuspextsrc2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
