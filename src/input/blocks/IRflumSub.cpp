#include "input/blocks/IRflumSub.h"

#include "input/blocks/IRbndrSub.h"
#include "input/blocks/IRgeomSub.h"
#include "input/blocks/IRicSub.h"
#include "input/blocks/IRmaterialSub.h"
#include "input/blocks/IRoutputSub.h"
#include "input/blocks/IRparamSub.h"
#include "input/blocks/IRsrcSub.h"
#include "input/blocks/IRtimestepSub.h"

namespace FLUMparse {

IRflumSub::IRflumSub() : InputBlock("FLUMSUB") {
    setDescription("A subsurface subdomain (lattice model of variably saturated ground-water flow).");
    setExample("FLUMSUB {\n"
        "}");
}

void IRflumSub::declare() {
    addString("region_name", "Name of the region.").setOneWord();
    addBlock<IRbndrSub>(Optional, Repeatable);
    addBlock<IRgeomSub>(Optional, Single);
    addBlock<IRicSub>(Optional, Single);
    addBlock<IRmaterialSub>(Optional, Single);
    addBlock<IRoutputSub>(Optional, Single);
    addBlock<IRparamSub>(Optional, Single);
    addBlock<IRsrcSub>(Optional, Repeatable);
    addBlock<IRtimestepSub>(Optional, Single);
}

}  // namespace FLUMparse
