#include "input/blocks/IRsoildef.h"

#include "input/blocks/IRsublayer.h"

namespace FLUMparse {

IRsoildef::IRsoildef() : InputBlock("SOIL_DEF") {
    setDescription("A soil: its layers.");
    setExample("SOIL_DEF {\n"
        "   name = river_bed\n"
        "   LAYER {\n"
        "      mixture = gravel\n"
        "      bottom_elevation = -0.5\n"
        "   }\n"
        "   LAYER {\n"
        "      mixture = sand\n"
        "      bottom_elevation = -3.0\n"
        "   }\n"
        "}");
}

void IRsoildef::declare() {
    addString("name", "Name of the soil, unique among the soils.").setMandatory().setOneWord();
    addReal("d90_armored_layer", "d90 of an armour layer (single grain): no transport until theta exceeds theta_cr (d90_arm/d)^0.67 once.").setMin(0.0).setUnits("[mm]");
    addReal("tau_erosion_start", "Bed shear stress that must be exceeded once before erosion starts.").setMin(0.0).setUnits("[N/m2]");
    addExclusive({"d90_armored_layer", "tau_erosion_start"});
    addBlock<IRsublayer>(Mandatory, Repeatable);
}

}  // namespace FLUMparse
