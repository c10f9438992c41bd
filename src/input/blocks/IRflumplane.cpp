#include "input/blocks/IRflumplane.h"

#include "input/blocks/IRgeom2d.h"
#include "input/blocks/IRhydr2d.h"
#include "input/blocks/IRmorph2d.h"
#include "input/blocks/IRoutput2d.h"
#include "input/blocks/IRtimestep2d.h"

namespace FLUMparse {

IRflumplane::IRflumplane() : InputBlock("FLUMPLANE_2D") {
    setDescription("A two-dimensional subdomain on an unstructured mesh of triangles and quadrilaterals.");
    setExample("FLUMPLANE_2D {\n"
        "   region_name = floodplain\n"
        "   GEOMETRY {\n"
        "   }\n"
        "}");
}

void IRflumplane::declare() {
    addString("region_name", "Name of the region, used by couplings, controllers and positions region.name.").setMandatory().setOneWord();
    addBlock<IRgeom2d>(Optional, Single);
    addBlock<IRhydr2d>(Optional, Single);
    addBlock<IRmorph2d>(Optional, Single);
    addBlock<IRoutput2d>(Optional, Single);
    addBlock<IRtimestep2d>(Optional, Single);
}

}  // namespace FLUMparse
