#include "input/blocks/IRdomain.h"

#include "input/blocks/IRcalc1d.h"
#include "input/blocks/IRcontroller.h"
#include "input/blocks/IRcouplings.h"
#include "input/blocks/IRflumSub.h"
#include "input/blocks/IRflumextern.h"
#include "input/blocks/IRflumplane.h"
#include "input/blocks/IRparallel.h"
#include "input/blocks/IRphysprop.h"

namespace FLUMparse {

IRdomain::IRdomain() : InputBlock("DOMAIN") {
    setDescription("The whole computational area: its subdomains, their couplings and controllers.");
    setExample("DOMAIN {\n"
        "   multiregion = valley\n"
        "   PARALLEL {\n"
        "      number_threads = 2\n"
        "   }\n"
        "   FLUMPLANE_2D {\n"
        "      region_name = floodplain\n"
        "   }\n"
        "}");
}

void IRdomain::declare() {
    addString("multiregion", "Name of the whole computation area.").setDefault("unnamed_multiregion");
    addBlock<IRparallel>(Optional, Single);
    addBlock<IRphysprop>(Optional, Single);
    addBlock<IRcalc1d>(Optional, Repeatable);
    addBlock<IRflumplane>(Optional, Repeatable);
    addBlock<IRflumSub>(Optional, Repeatable);
    addBlock<IRflumextern>(Optional, Repeatable);
    addBlock<IRcouplings>(Optional, Single);
    addBlock<IRcontroller>(Optional, Repeatable);
}

}  // namespace FLUMparse
