#include "input/blocks/IRmaterialSub.h"

#include "input/blocks/IRsoilSub.h"

namespace FLUMparse {

IRmaterialSub::IRmaterialSub() : InputBlock("MATERIAL") {
    setDescription("Soils of the subsurface subdomain.");
    setExample("MATERIAL {\n"
        "}");
}

void IRmaterialSub::declare() {
    addBlock<IRsoilSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
