#include "input/blocks/IRbndr1d.h"

namespace FLUMparse {

IRbndr1d::IRbndr1d() : InputBlock("BOUNDARY") {
    setDescription("A boundary condition of the 1-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndr1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
