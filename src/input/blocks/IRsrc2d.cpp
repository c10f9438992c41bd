#include "input/blocks/IRsrc2d.h"

#include "input/blocks/IRextsrc2d.h"

namespace FLUMparse {

IRsrc2d::IRsrc2d() : InputBlock("SOURCE") {
    setDescription("Sources of the 2-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRsrc2d::declare() {
    addBlock<IRextsrc2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
