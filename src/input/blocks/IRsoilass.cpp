#include "input/blocks/IRsoilass.h"

namespace FLUMparse {

IRsoilass::IRsoilass() : InputBlock("SOIL_ASSIGNMENT") {
    setDescription("Assignment of soils to the bed.");
    setExample("SOIL_ASSIGNMENT {\n"
        "}");
}

void IRsoilass::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
