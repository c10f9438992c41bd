#include "input/blocks/IRgeom2d.h"

#include "input/blocks/IRgeombc2d.h"
#include "input/blocks/IRstringdef2d.h"

namespace FLUMparse {

IRgeom2d::IRgeom2d() : InputBlock("GEOMETRY") {
    setDescription(
        "Defines the topography for this 2D-simulation. "
        "The mesh comes from a 2dm file: "
        "ND cards with the node id, x, y and bed elevation z in metres, and E3T/E4Q element cards whose last "
        "field is the material index, which selects friction values, initial states and sources zone by zone. "
        "Element nodes must run counter-clockwise; nodes outside all elements and concave quadrilaterals stop the "
        "run, while small, thin or warped elements only warn (thresholds in HYDRAULICS/PARAMETER) and are listed "
        "in the file ending in _Grid.err. "
        "STRINGDEF blocks name node strings for boundaries and outputs; "
        "BOUNDARY prescribes a moving bed.");
    setExample("GEOMETRY {\n"
        "   type = 2dm\n"
        "   file = mesh/reach.2dm\n"
        "   STRINGDEF {\n"
        "      name = inflow\n"
        "      node_ids = ( 12 13 14 15 )\n"
        "      upstream_direction = left\n"
        "   }\n"
        "   STRINGDEF {\n"
        "      name = outflow\n"
        "      node_ids = ( 101 102 103 )\n"
        "      upstream_direction = right\n"
        "   }\n"
        "}");
}

void IRgeom2d::declare() {
    addString("type", "Mesh format; the only one is 2dm (sms names the same).").setRestrictedValues({"2dm", "sms"}).setDefault("2dm");
    addFile("file", "Filename of the gridfile.").setFilter("Grid files (*.2dm)").setMandatory();
    addBlock<IRgeombc2d>(Optional, Single);
    addBlock<IRstringdef2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
