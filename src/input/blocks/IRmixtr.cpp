#include "input/blocks/IRmixtr.h"

namespace FLUMparse {

IRmixtr::IRmixtr() : InputBlock("MIXTURE") {
    setDescription("A grain mixture.");
    setExample("MIXTURE {\n"
        "}");
}

void IRmixtr::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
