#include "input/blocks/IRsect_comp1d.h"

namespace FLUMparse {

IRsect_comp1d::IRsect_comp1d() : InputBlock("SECTION_COMPUTATION") {
    setDescription("How the hydraulic functions of the cross sections are evaluated.");
    setExample("SECTION_COMPUTATION {\n"
        "}");
}

void IRsect_comp1d::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
