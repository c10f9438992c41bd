#include "input/blocks/IRgeomSub.h"

#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRgeomSub::IRgeomSub() : InputBlock("GEOMETRY") {
    setDescription(
        "Geometry of the subsurface subdomain: the lattice is described zone by zone in ZONE blocks. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("GEOMETRY {\n"
        "   ZONE {\n"
        "   }\n"
        "   ZONE {\n"
        "   }\n"
        "}");
}

void IRgeomSub::declare() {
    addBlock<IRzoneSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
