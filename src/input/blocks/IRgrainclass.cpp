#include "input/blocks/IRgrainclass.h"

namespace FLUMparse {

IRgrainclass::IRgrainclass() : InputBlock("GRAIN_CLASS") {
    setDescription("The grain classes of the sediment.");
    setExample("GRAIN_CLASS {\n"
        "}");
}

void IRgrainclass::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
