#include "input/blocks/IRbedmat2d.h"

#include "input/blocks/IRfixbed2d.h"
#include "input/blocks/IRgrainclass.h"
#include "input/blocks/IRmixtr.h"
#include "input/blocks/IRretentionmodel.h"
#include "input/blocks/IRsoilass.h"
#include "input/blocks/IRsoildef.h"

namespace FLUMparse {

IRbedmat2d::IRbedmat2d() : InputBlock("BEDMATERIAL") {
    setDescription("Bed material of the 2-D subdomain.");
    setExample("BEDMATERIAL {\n"
        "}");
}

void IRbedmat2d::declare() {
    addBlock<IRfixbed2d>(Optional, Single);
    addBlock<IRgrainclass>(Optional, Single);
    addBlock<IRmixtr>(Optional, Repeatable);
    addBlock<IRretentionmodel>(Optional, Repeatable);
    addBlock<IRsoilass>(Optional, Single);
    addBlock<IRsoildef>(Optional, Repeatable);
}

}  // namespace FLUMparse
