#include "input/blocks/IRoutputSub.h"

#include "input/blocks/IRspecoutSub.h"

namespace FLUMparse {

IRoutputSub::IRoutputSub() : InputBlock("OUTPUT") {
    setDescription("Output of the subsurface subdomain.");
    setExample("OUTPUT {\n"
        "}");
}

void IRoutputSub::declare() {
    addBlock<IRspecoutSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
