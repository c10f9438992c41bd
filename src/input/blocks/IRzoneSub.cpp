#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRzoneSub::IRzoneSub() : InputBlock("ZONE") {
    setDescription(
        "A zone of the subsurface lattice: a part of the ground with one soil, used under GEOMETRY to build the "
        "lattice and under SOIL_DEF to assign the soil. "
        "It declares no keys in this version. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("ZONE {\n"
        "}");
}

void IRzoneSub::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
