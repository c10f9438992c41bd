#include "input/blocks/IRfriction2d.h"

namespace FLUMparse {

IRfriction2d::IRfriction2d() : InputBlock("FRICTION") {
    setDescription("Flow resistance of the 2-D subdomain.");
    setExample("FRICTION {\n"
        "   type = strickler\n"
        "   default_friction = 33\n"
        "   input_type = index_table\n"
        "   index = (1 2)\n"
        "   friction = (30 45)\n"
        "   wall_friction = no\n"
        "}");
}

void IRfriction2d::declare() {
    addString("type", "Friction law; chezy and darcy take the equivalent sand roughness ks as the friction value.").setRestrictedValues({"manning", "strickler", "chezy", "darcy"}).setMandatory();
    addReal("default_friction", "Friction value of every element without an explicit one (e.g. 0.03 for manning, 33 for strickler).").setDefault("-1.0");
    addString("input_type", "Friction values per material index.").setRestrictedValues({"index_table"});
    addIntList("index", "Material indices.");
    addRealList("friction", "Friction value per entry of 'index', in the same order.");
    addUsedIf({"index", "friction"}, "input_type", {"index_table"});
    addBool("wall_friction", "Friction at wall boundaries.").setDefault("yes");
    addReal("wall_friction_factor", "Friction value of the side walls; the bed value when not given.");
    addBool("grain_size_friction", "Friction from the grain size of the bed material.").setDefault("no");
    addReal("strickler_factor", "k_strickler = strickler_factor / (d90)^(1/6), d90 in m.").setDefault("21.1");
    addReal("fixed_bed_d90", "d90 used where the bed is eroded down to the fixed bed (no sediment present).").setDefault("10.0").setUnits("[mm]");
    addReal("roughness_factor", "ks = roughness_factor * d90.").setDefault("3.0");
}

}  // namespace FLUMparse
