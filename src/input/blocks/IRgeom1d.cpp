#include "input/blocks/IRgeom1d.h"

namespace FLUMparse {

IRgeom1d::IRgeom1d() : InputBlock("GEOMETRY") {
    setDescription("Geometry of the 1-D subdomain: the FMG file and the order of its cross sections.");
    setExample("GEOMETRY {\n"
        "}");
}

void IRgeom1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
