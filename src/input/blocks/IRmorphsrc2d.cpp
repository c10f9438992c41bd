#include "input/blocks/IRmorphsrc2d.h"

#include "input/blocks/IRmorphextsrc2d.h"

namespace FLUMparse {

IRmorphsrc2d::IRmorphsrc2d() : InputBlock("SOURCE") {
    setDescription("Sediment sources of the 2-D subdomain.");
    setExample("SOURCE {\n"
        "}");
}

void IRmorphsrc2d::declare() {
    addBlock<IRmorphextsrc2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
