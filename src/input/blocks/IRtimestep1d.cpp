#include "input/blocks/IRtimestep1d.h"

namespace FLUMparse {

IRtimestep1d::IRtimestep1d() : InputBlock("TIMESTEP") {
    setDescription("Time stepping of the 1-D subdomain.");
    setExample("TIMESTEP {\n"
        "}");
}

void IRtimestep1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
