#include "input/blocks/IRmorph1d.h"

#include "input/blocks/IRbedic1d.h"
#include "input/blocks/IRbedload1d.h"
#include "input/blocks/IRbedmat1d.h"
#include "input/blocks/IRmorphparam1d.h"
#include "input/blocks/IRmorphsrc1d.h"
#include "input/blocks/IRsuspload1d.h"

namespace FLUMparse {

IRmorph1d::IRmorph1d() : InputBlock("MORPHOLOGY") {
    setDescription("Sediment transport and bed evolution of the 1-D subdomain.");
    setExample("MORPHOLOGY {\n"
        "}");
}

void IRmorph1d::declare() {
    addBlock<IRbedload1d>(Optional, Single);
    addBlock<IRbedmat1d>(Optional, Single);
    addBlock<IRbedic1d>(Optional, Single);
    addBlock<IRmorphparam1d>(Optional, Single);
    addBlock<IRmorphsrc1d>(Optional, Repeatable);
    addBlock<IRsuspload1d>(Optional, Single);
}

}  // namespace FLUMparse
