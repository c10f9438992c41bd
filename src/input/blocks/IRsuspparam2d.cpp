#include "input/blocks/IRsuspparam2d.h"

namespace FLUMparse {

IRsuspparam2d::IRsuspparam2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D suspended load.");
    setExample("PARAMETER {\n"
        "}");
}

void IRsuspparam2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
