#include "input/blocks/IRhydr1d.h"

#include "input/blocks/IRbndr1d.h"
#include "input/blocks/IRfriction1d.h"
#include "input/blocks/IRic1d.h"
#include "input/blocks/IRinnerboundary1d.h"
#include "input/blocks/IRparam1d.h"
#include "input/blocks/IRsrc1d.h"

namespace FLUMparse {

IRhydr1d::IRhydr1d() : InputBlock("HYDRAULICS") {
    setDescription("Hydraulics of the 1-D subdomain.");
    setExample("HYDRAULICS {\n"
        "}");
}

void IRhydr1d::declare() {
    addBlock<IRbndr1d>(Optional, Repeatable);
    addBlock<IRic1d>(Optional, Single);
    addBlock<IRinnerboundary1d>(Optional, Repeatable);
    addBlock<IRparam1d>(Optional, Single);
    addBlock<IRsrc1d>(Optional, Repeatable);
    addBlock<IRfriction1d>(Optional, Single);
}

}  // namespace FLUMparse
