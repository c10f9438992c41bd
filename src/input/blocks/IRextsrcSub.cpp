#include "input/blocks/IRextsrcSub.h"

namespace FLUMparse {

IRextsrcSub::IRextsrcSub() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external source of the subsurface subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRextsrcSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
