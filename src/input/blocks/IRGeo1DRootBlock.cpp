#include "input/blocks/IRGeo1DRootBlock.h"

#include "input/blocks/IRGeo1DCrossSection.h"

namespace FLUMparse {

IRGeo1DRootBlock::IRGeo1DRootBlock() : InputBlock("FLUMCHAIN_GEOMETRY") {
    setDescription("The 1-D geometry file: one CROSS_SECTION block per surveyed section.");
    setExample("CROSS_SECTION {\n"
        "   name = km_12.300\n"
        "   distance_coord = 12.3\n"
        "   node_coords = ( (0 402.1) (5 399.8) (12 399.5) (20 402.3) )\n"
        "}");
}

void IRGeo1DRootBlock::declare() {
    addBlock<IRGeo1DCrossSection>(Mandatory, Repeatable);
}

}  // namespace FLUMparse
