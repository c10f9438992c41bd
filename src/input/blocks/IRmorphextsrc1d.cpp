#include "input/blocks/IRmorphextsrc1d.h"

namespace FLUMparse {

IRmorphextsrc1d::IRmorphextsrc1d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external sediment source of the 1-D subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRmorphextsrc1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
