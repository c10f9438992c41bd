#include "input/blocks/IRretentionmodel.h"

namespace FLUMparse {

IRretentionmodel::IRretentionmodel() : InputBlock("RETENTION_MODEL") {
    setDescription("A retention curve of a soil.");
    setExample("RETENTION_MODEL {\n"
        "}");
}

void IRretentionmodel::declare() {
    // No keys yet; add them here, one line each, e.g.
    //   addReal("minimum_water_depth", "Wet/dry threshold.").setDefault("0.05").setMin(0.0).setUnits("[m]");
}

}  // namespace FLUMparse
