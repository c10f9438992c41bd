#include "input/blocks/IRoutput1d.h"

#include "input/blocks/IRspecout1d.h"

namespace FLUMparse {

IRoutput1d::IRoutput1d() : InputBlock("OUTPUT") {
    setDescription("Output of the 1-D subdomain.");
    setExample("OUTPUT {\n"
        "}");
}

void IRoutput1d::declare() {
    addBlock<IRspecout1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
