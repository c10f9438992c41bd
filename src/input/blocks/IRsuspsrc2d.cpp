#include "input/blocks/IRsuspsrc2d.h"

#include "input/blocks/IRsuspextsrc2d.h"

namespace FLUMparse {

IRsuspsrc2d::IRsuspsrc2d() : InputBlock("SOURCE") {
    setDescription("Suspended-load sources of the 2-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRsuspsrc2d::declare() {
    addBlock<IRsuspextsrc2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
