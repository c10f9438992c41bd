#include "input/blocks/IRbndr2d.h"

namespace FLUMparse {

IRbndr2d::IRbndr2d() : InputBlock("BOUNDARY") {
    setDescription("A boundary condition of the 2-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndr2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
