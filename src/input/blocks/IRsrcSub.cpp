#include "input/blocks/IRsrcSub.h"

#include "input/blocks/IRextsrcSub.h"

namespace FLUMparse {

IRsrcSub::IRsrcSub() : InputBlock("SOURCE") {
    setDescription("Sources of the subsurface subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRsrcSub::declare() {
    addBlock<IRextsrcSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
