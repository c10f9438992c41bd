#include "input/blocks/IRflumplane.h"

#include "input/blocks/IRgeom2d.h"
#include "input/blocks/IRhydr2d.h"
#include "input/blocks/IRmorph2d.h"
#include "input/blocks/IRoutput2d.h"
#include "input/blocks/IRtimestep2d.h"

namespace FLUMparse {

IRflumplane::IRflumplane() : InputBlock("FLUMPLANE_2D") {
    setDescription(
        "A two-dimensional subdomain: depth-averaged shallow-water flow on an unstructured mesh of triangles and "
        "quadrilaterals, computed with an explicit finite-volume scheme. "
        "To run it needs GEOMETRY with the 2dm mesh, HYDRAULICS with a FRICTION block and TIMESTEP with "
        "total_run_time; without BOUNDARY blocks every mesh boundary is a closed wall, and without INITIAL the "
        "mesh starts dry. region_name must be unique within DOMAIN: it prefixes every result and restart file of "
        "the subdomain and names it in couplings and in positions region.name. "
        "A MORPHOLOGY block is checked, but this version computes no sediment transport with it.");
    setExample("FLUMPLANE_2D {\n"
        "   region_name = reach\n"
        "   GEOMETRY {\n"
        "      file = mesh/reach.2dm\n"
        "      STRINGDEF {\n"
        "         name = inflow\n"
        "         node_ids = ( 1 2 3 4 5 )\n"
        "      }\n"
        "      STRINGDEF {\n"
        "         name = outflow\n"
        "         node_ids = ( 101 102 103 104 )\n"
        "      }\n"
        "   }\n"
        "   HYDRAULICS {\n"
        "      BOUNDARY {\n"
        "         type = hydrograph\n"
        "         string_name = inflow\n"
        "         file = series/inflow_Q.txt\n"
        "         slope = 1.5\n"
        "      }\n"
        "      BOUNDARY {\n"
        "         type = hqrelation\n"
        "         string_name = outflow\n"
        "         slope = 1.2\n"
        "      }\n"
        "      FRICTION {\n"
        "         type = strickler\n"
        "         default_friction = 30\n"
        "      }\n"
        "   }\n"
        "   TIMESTEP {\n"
        "      CFL = 0.9\n"
        "      total_run_time = 86400\n"
        "   }\n"
        "   OUTPUT {\n"
        "      output_time_step = 3600\n"
        "      SPECIAL_OUTPUT {\n"
        "         type = element_centered\n"
        "         format = vtk\n"
        "         values = ( depth velocity wse )\n"
        "      }\n"
        "   }\n"
        "}");
}

void IRflumplane::declare() {
    addString("region_name", "Name of the subdomain, unique within DOMAIN; it prefixes the result files and is used by couplings, controllers and positions region.name.").setMandatory().setOneWord();
    addBlock<IRgeom2d>(Optional, Single);
    addBlock<IRhydr2d>(Optional, Single);
    addBlock<IRmorph2d>(Optional, Single);
    addBlock<IRoutput2d>(Optional, Single);
    addBlock<IRtimestep2d>(Optional, Single);
}

}  // namespace FLUMparse
