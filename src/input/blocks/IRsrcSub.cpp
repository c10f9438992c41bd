#include "input/blocks/IRsrcSub.h"

#include "input/blocks/IRextsrcSub.h"

namespace FLUMparse {

IRsrcSub::IRsrcSub() : InputBlock("SOURCE") {
    setDescription(
        "Sources of the subsurface subdomain (wells, drains, infiltration): one EXTERNAL_SOURCE block per source. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("SOURCE {\n"
        "   EXTERNAL_SOURCE {\n"
        "   }\n"
        "}");
}

void IRsrcSub::declare() {
    addBlock<IRextsrcSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
