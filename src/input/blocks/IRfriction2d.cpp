#include "input/blocks/IRfriction2d.h"

namespace FLUMparse {

IRfriction2d::IRfriction2d() : InputBlock("FRICTION") {
    setDescription(
        "Flow resistance of the 2-D subdomain; required to run. type sets the friction law and the meaning of the "
        "values: manning n [s/m^(1/3)], strickler k [m^(1/3)/s], or for chezy and darcy the equivalent sand "
        "roughness ks [m]. "
        "Values are given per material index (input_type = index_table with the lists index and friction); "
        "default_friction covers every material index that is not listed, and an unlisted index without default "
        "stops the run. wall_friction adds friction at closed boundaries, which matters in narrow channels. "
        "The grain_size_ keys derive the roughness from the bed material and need a MORPHOLOGY block.");
    setExample("FRICTION {\n"
        "   type = strickler\n"
        "   default_friction = 33\n"
        "   input_type = index_table\n"
        "   index = ( 1 2 3 )\n"
        "   friction = ( 35 25 15 )\n"
        "   wall_friction = yes\n"
        "   wall_friction_factor = 20\n"
        "}");
}

void IRfriction2d::declare() {
    addString("type", "Friction law; chezy and darcy take the equivalent sand roughness ks as the friction value.").setRestrictedValues({"manning", "strickler", "chezy", "darcy"}).setMandatory();
    addReal("default_friction", "Friction value of every element whose material index is not listed (e.g. 0.03 for manning, 33 for strickler); negative: none.").setDefault("-1.0");
    addString("input_type", "How friction values are assigned: index_table, by material index.").setRestrictedValues({"index_table"});
    addIntList("index", "Material indices of the mesh, one per entry of 'friction'.");
    addRealList("friction", "Friction value per entry of 'index', in the same order.");
    addUsedIf({"index", "friction"}, "input_type", {"index_table"});
    addBool("wall_friction", "Also apply friction at wall boundaries (closed mesh edges) to the adjacent elements.").setDefault("yes");
    addReal("wall_friction_factor", "Friction value of the side walls, in the unit of the chosen law; the bed value when not given.");
    addBool("grain_size_friction", "Derive the friction from the d90 of the bed material instead of the friction values (needs MORPHOLOGY).").setDefault("no");
    addReal("strickler_factor", "k_strickler = strickler_factor / (d90)^(1/6), d90 in m.").setDefault("21.1");
    addReal("fixed_bed_d90", "d90 used where the bed is eroded down to the fixed bed (no sediment present).").setDefault("10.0").setUnits("[mm]");
    addReal("roughness_factor", "ks = roughness_factor * d90.").setDefault("3.0");
}

}  // namespace FLUMparse
