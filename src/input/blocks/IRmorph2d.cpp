#include "input/blocks/IRmorph2d.h"

#include "input/blocks/IRGravitationalTransport.h"
#include "input/blocks/IRapparentCohesion.h"
#include "input/blocks/IRbedic2d.h"
#include "input/blocks/IRbedload2d.h"
#include "input/blocks/IRbedmat2d.h"
#include "input/blocks/IRmorphparam2d.h"
#include "input/blocks/IRmorphsrc2d.h"
#include "input/blocks/IRsuspload2d.h"

namespace FLUMparse {

IRmorph2d::IRmorph2d() : InputBlock("MORPHOLOGY") {
    setDescription("Sediment transport and bed evolution of the 2-D subdomain.");
    setExample("MORPHOLOGY {\n"
        "}");
}

void IRmorph2d::declare() {
    addBlock<IRbedload2d>(Optional, Single);
    addBlock<IRbedmat2d>(Optional, Single);
    addBlock<IRapparentCohesion>(Optional, Single);
    addBlock<IRGravitationalTransport>(Optional, Single);
    addBlock<IRbedic2d>(Optional, Single);
    addBlock<IRmorphparam2d>(Optional, Single);
    addBlock<IRmorphsrc2d>(Optional, Repeatable);
    addBlock<IRsuspload2d>(Optional, Single);
}

}  // namespace FLUMparse
