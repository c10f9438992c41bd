#include "input/blocks/IRparamSub.h"

namespace FLUMparse {

IRparamSub::IRparamSub() : InputBlock("PARAMETER") {
    setDescription("Parameters of the subsurface subdomain.");
    setExample("PARAMETER {\n"
        "}");
}

void IRparamSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
