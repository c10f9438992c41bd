#include "input/blocks/IRsuspparam1d.h"

namespace FLUMparse {

IRsuspparam1d::IRsuspparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D suspended load.");
    setExample("PARAMETER {\n"
        "}");
}

void IRsuspparam1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
