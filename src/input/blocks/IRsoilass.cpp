#include "input/blocks/IRsoilass.h"

namespace FLUMparse {

IRsoilass::IRsoilass() : InputBlock("SOIL_ASSIGNMENT") {
    setDescription("Assignment of soils to the bed.");
    setExample("SOIL_ASSIGNMENT {\n"
        "   type = index_table\n"
        "   index = ( 1 2 )\n"
        "   soil = ( river_bed floodplain )\n"
        "}");
}

void IRsoilass::declare() {
    addString("type", "How soils are assigned: by material index.").setRestrictedValues({"index_table"}).setDefault("index_table");
    addIntList("index", "Material indices.").setMandatory();
    addStringList("soil", "Soil (SOIL_DEF) per entry of 'index'.").setMandatory();
}

}  // namespace FLUMparse
