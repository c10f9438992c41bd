#include "input/blocks/IRstringdef2d.h"

namespace FLUMparse {

IRstringdef2d::IRstringdef2d() : InputBlock("STRINGDEF") {
    setDescription(
        "A named string of successive mesh nodes and the edges between them, used by boundary conditions and "
        "outputs. "
        "List the node ids in order along the string; successive nodes must share an element edge, and a string "
        "that carries a BOUNDARY must lie on the mesh boundary. "
        "The name must be unique; it is referred to as string_name in BOUNDARY, string_name1 and string_name2 in "
        "INNER_BOUNDARY, stringdefs in SPECIAL_OUTPUT and the name part of a monitored position region.name. "
        "upstream_direction is only needed for the signed discharge of a stringdef_history output.");
    setExample("STRINGDEF {\n"
        "   name = bridge_section\n"
        "   node_ids = ( 101 102 103 104 )\n"
        "   upstream_direction = right\n"
        "}");
}

void IRstringdef2d::declare() {
    addString("name", "Unique name for the String.").setMandatory();
    addIntList("node_ids", "Ordered, successive node ids of the mesh file (at least two); successive nodes must share an edge.").setMandatory();
    addString("upstream_direction", "Side, seen from the first towards the second node, that is upstream (signed discharge of stringdef_history output).").setRestrictedValues({"left", "right"});
}

}  // namespace FLUMparse
