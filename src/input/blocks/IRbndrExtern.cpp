#include "input/blocks/IRbndrExtern.h"

namespace FLUMparse {

IRbndrExtern::IRbndrExtern() : InputBlock("BOUNDARY") {
    setDescription(
        "A boundary of the external subdomain through which it exchanges values with a subdomain of this program. "
        "It declares no keys in this version; the interface names are given in the COUPLING's sub-blocks. "
        "Not computed by this version: a command file with a FLUM_EXTERN block stops with a message.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndrExtern::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
