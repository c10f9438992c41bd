#include "input/blocks/IRoutputSub.h"

#include "input/blocks/IRspecoutSub.h"

namespace FLUMparse {

IRoutputSub::IRoutputSub() : InputBlock("OUTPUT") {
    setDescription(
        "Output of the subsurface subdomain: one SPECIAL_OUTPUT block per result file. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("OUTPUT {\n"
        "   SPECIAL_OUTPUT {\n"
        "   }\n"
        "}");
}

void IRoutputSub::declare() {
    addBlock<IRspecoutSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
