#include "input/blocks/IRbedparameter1d.h"

namespace FLUMparse {

IRbedparameter1d::IRbedparameter1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D bed load.");
    setExample("PARAMETER {\n"
        "}");
}

void IRbedparameter1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
