#include "input/blocks/IRhydr1d.h"

#include "input/blocks/IRbndr1d.h"
#include "input/blocks/IRfriction1d.h"
#include "input/blocks/IRic1d.h"
#include "input/blocks/IRinnerboundary1d.h"
#include "input/blocks/IRparam1d.h"
#include "input/blocks/IRsrc1d.h"

namespace FLUMparse {

IRhydr1d::IRhydr1d() : InputBlock("HYDRAULICS") {
    setDescription("Hydraulics of the 1-D subdomain: boundaries at both ends, structures, sources, friction, initial condition and solver parameters.");
    setExample(
        "HYDRAULICS {\n"
        "   BOUNDARY {\n"
        "      name = inflow\n"
        "      string = upstream\n"
        "      type = hydrograph\n"
        "      file = hydrograph.txt\n"
        "      slope = 2.5\n"
        "   }\n"
        "   BOUNDARY {\n"
        "      name = outflow\n"
        "      string = downstream\n"
        "      type = zero_gradient\n"
        "   }\n"
        "   INITIAL {\n"
        "      type = dry\n"
        "   }\n"
        "   FRICTION {\n"
        "      type = strickler\n"
        "      default_friction = 30\n"
        "   }\n"
        "   PARAMETER {\n"
        "      minimum_water_depth = 0.0001\n"
        "      SECTION_COMPUTATION {\n"
        "         type = table\n"
        "      }\n"
        "   }\n"
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
