#include "input/blocks/IRgeom2d.h"

#include "input/blocks/IRgeombc2d.h"
#include "input/blocks/IRstringdef2d.h"

namespace FLUMparse {

IRgeom2d::IRgeom2d() : InputBlock("GEOMETRY") {
    setDescription("Defines the topography for this 2D-simulation.");
    setExample("GEOMETRY {\n"
        "   type = 2dm\n"
        "   file = mesh\\river.2dm\n"
        "   STRINGDEF {\n"
        "      name = inflow\n"
        "      node_ids = (12 13 14 15)\n"
        "      upstream_direction = left\n"
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
