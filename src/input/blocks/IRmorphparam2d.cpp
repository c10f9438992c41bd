#include "input/blocks/IRmorphparam2d.h"

namespace FLUMparse {

IRmorphparam2d::IRmorphparam2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D morphology.");
    setExample("PARAMETER {\n"
        "}");
}

void IRmorphparam2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
