#include "input/blocks/IRic2d.h"

namespace FLUMparse {

IRic2d::IRic2d() : InputBlock("INITIAL") {
    setDescription(
        "Initial condition of the 2-D subdomain. dry (the default) starts with no water, which suits a hydrograph "
        "that fills the mesh but takes long for a large river; index_table gives per material index a water level "
        "(wse) or depth (h) and the velocities u and v, each list in the order of index, and every material index "
        "of the mesh must be listed; continue reads the state from a restart file of an earlier run (region_name "
        "followed by _restart.cgns). "
        "Elements shallower than minimum_water_depth start dry. "
        "A common approach is a spin-up run with steady inflow whose restart file starts the actual runs.");
    setExample("INITIAL {\n"
        "   type = index_table\n"
        "   index = ( 1 2 3 )\n"
        "   wse = ( 402.5 402.5 402.5 )\n"
        "   u = ( 0.0 0.0 0.0 )\n"
        "   v = ( 0.0 0.0 0.0 )\n"
        "}");
}

void IRic2d::declare() {
    addString("type", "Initial state: dry (no water), index_table (values per material index) or continue (from a restart file).").setDefault("dry")
        .setRestrictedValues({"dry", "index_table", "continue"});
    addFile("file", "Restart file (.cgns) of an earlier run to continue from.");
    addReal("restart_solution_time", "Time of the stored solution to continue from; negative: the last one in the file.")
        .setDefault("-1.0").setUnits("[s]");
    addIntList("index", "Material indices of the mesh, one per entry of the lists u, v, wse and h.");
    addRealList("u", "Initial x-velocity per material index.").setUnits("[m/s]");
    addRealList("v", "Initial y-velocity per material index.").setUnits("[m/s]");
    addRealList("wse", "Initial water-surface elevation per material index.").setUnits("[m]");
    addRealList("h", "Initial depth per material index (instead of wse).").setUnits("[m]");
    addExclusive({"wse", "h"});
    addRequiredIf({"index"}, "type", {"index_table"});
    addRequiredIf({"file"}, "type", {"continue"});
}

}  // namespace FLUMparse
