#include "input/blocks/IRoutput2d.h"

#include "input/blocks/IRspecout2d.h"

namespace FLUMparse {

IRoutput2d::IRoutput2d() : InputBlock("OUTPUT") {
    setDescription("Output of the 2-D subdomain.");
    setExample("OUTPUT {\n"
        "}");
}

void IRoutput2d::declare() {
    addBlock<IRspecout2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
