#include "input/blocks/IRstringdef2d.h"

namespace FLUMparse {

IRstringdef2d::IRstringdef2d() : InputBlock("STRINGDEF") {
    setDescription("A named string of successive mesh nodes and the edges between them, used by boundary conditions and outputs.");
    setExample("STRINGDEF {\n"
        "   name = outflow\n"
        "   node_ids = (101 102 103)\n"
        "   upstream_direction = right\n"
        "}");
}

void IRstringdef2d::declare() {
    addString("name", "Unique name for the String.").setMandatory();
    addIntList("node_ids", "Ordered, successive node ids of the mesh file (at least two); successive nodes must share an edge.").setMandatory();
    addString("upstream_direction", "Side, seen from the first towards the second node, that is upstream (signed discharge of stringdef_history output).").setRestrictedValues({"left", "right"});
}

}  // namespace FLUMparse
