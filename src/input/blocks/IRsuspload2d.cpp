#include "input/blocks/IRsuspload2d.h"

#include "input/blocks/IRsuspbndr2d.h"
#include "input/blocks/IRsuspinit2d.h"
#include "input/blocks/IRsuspparam2d.h"
#include "input/blocks/IRsuspsrc2d.h"

namespace FLUMparse {

IRsuspload2d::IRsuspload2d() : InputBlock("SUSPENDED_LOAD") {
    setDescription("Suspended load of the 2-D subdomain.");
    setExample("SUSPENDED_LOAD {\n"
        "}");
}

void IRsuspload2d::declare() {
    addBlock<IRsuspbndr2d>(Optional, Repeatable);
    addBlock<IRsuspinit2d>(Optional, Single);
    addBlock<IRsuspparam2d>(Optional, Single);
    addBlock<IRsuspsrc2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
