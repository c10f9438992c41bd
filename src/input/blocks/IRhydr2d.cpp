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
    setDescription(
        "Hydraulics of the 2-D subdomain: groups the blocks that drive the shallow-water computation. "
        "FRICTION is required to run. "
        "BOUNDARY blocks set inflow and outflow on strings of the mesh boundary, INNER_BOUNDARY places weirs and "
        "gates between two strings inside the mesh, SOURCE adds or removes water on elements, INITIAL sets the "
        "state at the start, PARAMETER tunes the solver and the mesh checks, and TURBULENCE_MODEL adds eddy "
        "viscosity. "
        "Boundary edges that no BOUNDARY covers act as closed walls.");
    setExample("HYDRAULICS {\n"
        "   BOUNDARY {\n"
        "      type = hydrograph\n"
        "      string_name = inflow\n"
        "      file = series/inflow_Q.txt\n"
        "      slope = 1.5\n"
        "   }\n"
        "   BOUNDARY {\n"
        "      type = zhydrograph\n"
        "      string_name = outflow\n"
        "      file = series/outflow_wse.txt\n"
        "   }\n"
        "   INITIAL {\n"
        "      type = index_table\n"
        "      index = ( 1 2 )\n"
        "      wse = ( 402.5 402.5 )\n"
        "   }\n"
        "   PARAMETER {\n"
        "      minimum_water_depth = 0.01\n"
        "   }\n"
        "   FRICTION {\n"
        "      type = strickler\n"
        "      default_friction = 30\n"
        "      input_type = index_table\n"
        "      index = ( 1 2 )\n"
        "      friction = ( 35 20 )\n"
        "   }\n"
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
