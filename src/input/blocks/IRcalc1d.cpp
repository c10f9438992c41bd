#include "input/blocks/IRcalc1d.h"

#include "input/blocks/IRgeom1d.h"
#include "input/blocks/IRhydr1d.h"
#include "input/blocks/IRmorph1d.h"
#include "input/blocks/IRoutput1d.h"
#include "input/blocks/IRtimestep1d.h"

namespace FLUMparse {

IRcalc1d::IRcalc1d() : InputBlock("FLUMCHAIN_1D") {
    setDescription("A one-dimensional subdomain: a chain of surveyed cross sections.");
    setExample("FLUMCHAIN_1D {\n"
        "   region_name = river\n"
        "   GEOMETRY {\n"
        "   }\n"
        "}");
}

void IRcalc1d::declare() {
    addString("region_name", "Name of the region, used by couplings, controllers and positions region.name.").setMandatory().setOneWord();
    addBlock<IRgeom1d>(Optional, Single);
    addBlock<IRhydr1d>(Optional, Single);
    addBlock<IRmorph1d>(Optional, Single);
    addBlock<IRoutput1d>(Optional, Single);
    addBlock<IRtimestep1d>(Optional, Single);
}

}  // namespace FLUMparse
