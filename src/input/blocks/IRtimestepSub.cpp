#include "input/blocks/IRtimestepSub.h"

namespace FLUMparse {

IRtimestepSub::IRtimestepSub() : InputBlock("TIMESTEP") {
    setDescription("Time stepping of the subsurface subdomain.");
    setExample("TIMESTEP {\n"
        "}");
}

void IRtimestepSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
