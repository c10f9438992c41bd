#include "input/blocks/IRbedmat1d.h"

#include "input/blocks/IRgrainclass.h"
#include "input/blocks/IRmixtr.h"
#include "input/blocks/IRsoilass.h"
#include "input/blocks/IRsoildef.h"

namespace FLUMparse {

IRbedmat1d::IRbedmat1d() : InputBlock("BEDMATERIAL") {
    setDescription("Bed material of the 1-D subdomain.");
    setExample("BEDMATERIAL {\n"
        "}");
}

void IRbedmat1d::declare() {
    addBlock<IRgrainclass>(Optional, Single);
    addBlock<IRmixtr>(Optional, Repeatable);
    addBlock<IRsoilass>(Optional, Single);
    addBlock<IRsoildef>(Optional, Repeatable);
}

}  // namespace FLUMparse
