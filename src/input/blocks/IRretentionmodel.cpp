#include "input/blocks/IRretentionmodel.h"

namespace FLUMparse {

IRretentionmodel::IRretentionmodel() : InputBlock("RETENTION_MODEL") {
    setDescription(
        "A water-retention curve of a soil: the relation between suction and water content (saturation) of a "
        "partly saturated soil, under the subsurface SOIL_DEF and under BEDMATERIAL. "
        "It declares no keys in this version and is not computed: a command file with a FLUMSUB block stops with "
        "a message, and under BEDMATERIAL the block has no effect.");
    setExample("RETENTION_MODEL {\n"
        "}");
}

void IRretentionmodel::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
