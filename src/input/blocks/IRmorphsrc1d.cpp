#include "input/blocks/IRmorphsrc1d.h"

#include "input/blocks/IRmorphextsrc1d.h"

namespace FLUMparse {

IRmorphsrc1d::IRmorphsrc1d() : InputBlock("SOURCE") {
    setDescription("Sediment sources of the 1-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRmorphsrc1d::declare() {
    addBlock<IRmorphextsrc1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
