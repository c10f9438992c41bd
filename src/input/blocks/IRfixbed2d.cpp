#include "input/blocks/IRfixbed2d.h"

namespace FLUMparse {

IRfixbed2d::IRfixbed2d() : InputBlock("FIXED_BED") {
    setDescription("A fixed (non-erodible) bed of the 2-D subdomain.");
    setExample("FIXED_BED {\n"
        "}");
}

void IRfixbed2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
