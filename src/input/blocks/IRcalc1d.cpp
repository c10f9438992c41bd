#include "input/blocks/IRcalc1d.h"

#include "input/blocks/IRgeom1d.h"
#include "input/blocks/IRhydr1d.h"
#include "input/blocks/IRmorph1d.h"
#include "input/blocks/IRoutput1d.h"
#include "input/blocks/IRtimestep1d.h"

namespace FLUMparse {

IRcalc1d::IRcalc1d() : InputBlock("FLUMCHAIN_1D") {
    setDescription("A one-dimensional subdomain: a chain of surveyed cross sections.");
    setExample(
        "FLUMCHAIN_1D {\n"
        "   region_name = river\n"
        "   GEOMETRY {\n"
        "      file = reach.fmg\n"
        "      cross_section_order = ( km_12.300 km_12.450 km_12.600 )\n"
        "   }\n"
        "   HYDRAULICS {\n"
        "      BOUNDARY {\n"
        "         name = inflow\n"
        "         string = upstream\n"
        "         type = hydrograph\n"
        "         file = hydrograph.txt\n"
        "         slope = 2.5\n"
        "      }\n"
        "      BOUNDARY {\n"
        "         name = outflow\n"
        "         string = downstream\n"
        "         type = zero_gradient\n"
        "      }\n"
        "      FRICTION {\n"
        "         type = strickler\n"
        "         default_friction = 30\n"
        "      }\n"
        "      PARAMETER {\n"
        "         SECTION_COMPUTATION {\n"
        "            type = table\n"
        "         }\n"
        "      }\n"
        "   }\n"
        "   TIMESTEP {\n"
        "      total_run_time = 86400\n"
        "   }\n"
        "   OUTPUT {\n"
        "      output_time_step = 600\n"
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
