#include "input/blocks/IRgeombc2d.h"

namespace FLUMparse {

IRgeombc2d::IRgeombc2d() : InputBlock("BOUNDARY") {
    setDescription("Enforced bed movement: prescribed elevations of some mesh nodes over time. Cannot be combined with a MORPHOLOGY block.");
    setExample("BOUNDARY {\n"
        "   file = moving_bed.txt\n"
        "}");
}

void IRgeombc2d::declare() {
    addFile("file", "Moving bed: first line 0 and the ids of the moving nodes, then per line a time and the absolute elevation of each listed node.").setMandatory();
}

}  // namespace FLUMparse
