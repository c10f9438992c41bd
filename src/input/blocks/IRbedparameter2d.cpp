#include "input/blocks/IRbedparameter2d.h"

namespace FLUMparse {

IRbedparameter2d::IRbedparameter2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D bed load.");
    setExample("PARAMETER {\n"
        "}");
}

void IRbedparameter2d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
