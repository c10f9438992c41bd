#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRzoneSub::IRzoneSub() : InputBlock("ZONE") {
    setDescription("A zone of the subsurface lattice.");
    setExample("ZONE {\n"
        "}");
}

void IRzoneSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
