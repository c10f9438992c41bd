#include "input/blocks/IRhydr2d.h"

#include "input/blocks/IRbndr2d.h"
#include "input/blocks/IRfriction2d.h"
#include "input/blocks/IRic2d.h"
#include "input/blocks/IRinnerboundary2d.h"
#include "input/blocks/IRparam2d.h"
#include "input/blocks/IRsrc2d.h"
#include "input/blocks/IRturbulence2d.h"

namespace FLUMparse {

IRhydr2d::IRhydr2d() : InputBlock("HYDRAULICS") {
    setDescription("Hydraulics of the 2-D subdomain.");
    setExample("HYDRAULICS {\n"
        "}");
}

void IRhydr2d::declare() {
    addBlock<IRbndr2d>(Optional, Repeatable);
    addBlock<IRic2d>(Optional, Single);
    addBlock<IRinnerboundary2d>(Optional, Repeatable);
    addBlock<IRparam2d>(Optional, Single);
    addBlock<IRsrc2d>(Optional, Repeatable);
    addBlock<IRturbulence2d>(Optional, Single);
    addBlock<IRfriction2d>(Optional, Single);
}

}  // namespace FLUMparse
