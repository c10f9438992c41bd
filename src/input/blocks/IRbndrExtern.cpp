#include "input/blocks/IRbndrExtern.h"

namespace FLUMparse {

IRbndrExtern::IRbndrExtern() : InputBlock("BOUNDARY") {
    setDescription("A boundary of the external subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndrExtern::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
