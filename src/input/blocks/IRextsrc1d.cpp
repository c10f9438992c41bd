#include "input/blocks/IRextsrc1d.h"

namespace FLUMparse {

IRextsrc1d::IRextsrc1d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external source of water of the 1-D subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRextsrc1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
