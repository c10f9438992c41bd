#include "input/blocks/IRgeomSub.h"

#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRgeomSub::IRgeomSub() : InputBlock("GEOMETRY") {
    setDescription("Geometry of the subsurface subdomain.");
    setExample("GEOMETRY {\n"
        "}");
}

void IRgeomSub::declare() {
    addBlock<IRzoneSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
