#include "input/blocks/IRGravitationalTransport.h"

namespace FLUMparse {

IRGravitationalTransport::IRGravitationalTransport() : InputBlock("GRAVITATIONAL_TRANSPORT") {
    setDescription("Slope failure of steep elements.");
    setExample("GRAVITATIONAL_TRANSPORT {\n"
        "}");
}

void IRGravitationalTransport::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
