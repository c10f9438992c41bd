#include "input/blocks/IRsoilSub.h"

#include "input/blocks/IRretentionmodel.h"
#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRsoilSub::IRsoilSub() : InputBlock("SOIL_DEF") {
    setDescription("A soil of the subsurface subdomain.");
    setExample("SOIL_DEF {\n"
        "}");
}

void IRsoilSub::declare() {
    addBlock<IRretentionmodel>(Optional, Single);
    addBlock<IRzoneSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
