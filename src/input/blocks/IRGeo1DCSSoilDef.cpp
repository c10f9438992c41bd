#include "input/blocks/IRGeo1DCSSoilDef.h"

namespace FLUMparse {

IRGeo1DCSSoilDef::IRGeo1DCSSoilDef() : InputBlock("SOIL_DEF") {
    setDescription("The soil of a part of the cross section: an index of the SOIL_ASSIGNMENT block of the command file and the slices it covers. Soil definitions of one section must not overlap.");
    setExample(
        "SOIL_DEF {\n"
        "   index = 2\n"
        "   slice_indexes = ( 2 4 )\n"
        "}");
}

void IRGeo1DCSSoilDef::declare() {
    addInt("index", "Index of a soil of the SOIL_ASSIGNMENT block.").setMandatory();
    addRealList("range", "Two node coordinates y.");
    addIntList("slice_indexes", "Two slice indexes, from 1.");
    addExclusive({"range", "slice_indexes"});
}

}  // namespace FLUMparse
