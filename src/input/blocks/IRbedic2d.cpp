#include "input/blocks/IRbedic2d.h"

namespace FLUMparse {

IRbedic2d::IRbedic2d() : InputBlock("INITIAL") {
    setDescription("Initial bed of the 2-D subdomain.");
    setExample("INITIAL {\n"
        "}");
}

void IRbedic2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
