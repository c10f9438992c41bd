#include "input/blocks/IRsuspsrc1d.h"

#include "input/blocks/IRsuspextsrc1d.h"

namespace FLUMparse {

IRsuspsrc1d::IRsuspsrc1d() : InputBlock("SOURCE") {
    setDescription("Suspended-load sources of the 1-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRsuspsrc1d::declare() {
    addBlock<IRsuspextsrc1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
