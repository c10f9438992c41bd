#include "input/blocks/IRsuspload1d.h"

#include "input/blocks/IRsuspbndr1d.h"
#include "input/blocks/IRsuspinit1d.h"
#include "input/blocks/IRsuspparam1d.h"
#include "input/blocks/IRsuspsrc1d.h"

namespace FLUMparse {

IRsuspload1d::IRsuspload1d() : InputBlock("SUSPENDED_LOAD") {
    setDescription("Suspended load of the 1-D subdomain.");
    setExample("SUSPENDED_LOAD {\n"
        "}");
}

void IRsuspload1d::declare() {
    addBlock<IRsuspbndr1d>(Optional, Repeatable);
    addBlock<IRsuspinit1d>(Optional, Single);
    addBlock<IRsuspparam1d>(Optional, Single);
    addBlock<IRsuspsrc1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
