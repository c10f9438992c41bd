#include "input/blocks/IRgeombc2d.h"

namespace FLUMparse {

IRgeombc2d::IRgeombc2d() : InputBlock("BOUNDARY") {
    setDescription(
        "Enforced bed movement: prescribed elevations of some mesh nodes over time, for example a dam breach or "
        "an excavation. "
        "The file's first line is 0 followed by the ids of the moving nodes; each further line holds a time [s] "
        "and the absolute elevation [m] of every listed node, in the same order. "
        "Elevations are interpolated linearly in time and nodes that are not listed keep their mesh elevation. "
        "The water keeps its depth where the bed moves, so no volume is made or lost. "
        "Cannot be combined with a MORPHOLOGY block.");
    setExample("BOUNDARY {\n"
        "   file = bed/breach_nodes.txt\n"
        "}");
}

void IRgeombc2d::declare() {
    addFile("file", "Moving bed: first line 0 and the ids of the moving nodes, then per line a time and the absolute elevation of each listed node.").setMandatory();
}

}  // namespace FLUMparse
