#include "input/blocks/IRsrc1d.h"

#include "input/blocks/IRextsrc1d.h"

namespace FLUMparse {

IRsrc1d::IRsrc1d() : InputBlock("SOURCE") {
    setDescription("Lateral sources of the 1-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRsrc1d::declare() {
    addBlock<IRextsrc1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
