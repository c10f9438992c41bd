#include "input/blocks/IRapparentCohesion.h"

namespace FLUMparse {

IRapparentCohesion::IRapparentCohesion() : InputBlock("APPARENT_COHESION") {
    setDescription("Apparent cohesion of partly saturated bed material.");
    setExample("APPARENT_COHESION {\n"
        "}");
}

void IRapparentCohesion::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
