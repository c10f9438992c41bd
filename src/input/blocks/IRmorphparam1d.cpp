#include "input/blocks/IRmorphparam1d.h"

namespace FLUMparse {

IRmorphparam1d::IRmorphparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D morphology.");
    setExample("PARAMETER {\n"
        "}");
}

void IRmorphparam1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
