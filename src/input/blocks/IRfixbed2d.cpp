#include "input/blocks/IRfixbed2d.h"

namespace FLUMparse {

IRfixbed2d::IRfixbed2d() : InputBlock("FIXED_BED") {
    setDescription("A fixed (non-erodible) bed of the 2-D subdomain.");
    setExample("FIXED_BED {\n"
        "   type = meshfile\n"
        "   file = fixed_bed.2dm\n"
        "}");
}

void IRfixbed2d::declare() {
    addString("type", "Source of the fixed-bed elevations: a mesh with the nodes and elements of the computational mesh, or node lists.").setRestrictedValues({"meshfile", "nodes"}).setMandatory();
    addFile("file", "2dm mesh whose node elevations are the fixed bed.");
    addIntList("node_ids", "Nodes with a fixed-bed elevation of their own.");
    addRealList("zb_fix", "Absolute fixed-bed elevation per entry of 'node_ids'; -100 or below: the surface elevation.").setUnits("[m]");
    addRequiredIf({"file"}, "type", {"meshfile"});
    addRequiredIf({"node_ids", "zb_fix"}, "type", {"nodes"});
}

}  // namespace FLUMparse
