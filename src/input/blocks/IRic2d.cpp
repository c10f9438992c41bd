#include "input/blocks/IRic2d.h"

namespace FLUMparse {

IRic2d::IRic2d() : InputBlock("INITIAL") {
    setDescription("Initial condition of the 2-D subdomain.");
    setExample("INITIAL {\n"
        "   type = index_table\n"
        "   index = ( 1 2 )\n"
        "   wse = ( 402.5 401.0 )\n"
        "}");
}

void IRic2d::declare() {
    addString("type", "dry, index_table or continue (from a restart file).").setDefault("dry")
        .setRestrictedValues({"dry", "index_table", "continue"});
    addFile("file", "Restart file to continue from (Restart files (*.cgns)).");
    addReal("restart_solution_time", "Time of the stored solution to continue from; negative: the last one.")
        .setDefault("-1.0").setUnits("[s]");
    addIntList("index", "Material indices of the mesh, one per entry of the lists below.");
    addRealList("u", "Initial x-velocity per material index.").setUnits("[m/s]");
    addRealList("v", "Initial y-velocity per material index.").setUnits("[m/s]");
    addRealList("wse", "Initial water-surface elevation per material index.").setUnits("[m]");
    addRealList("h", "Initial depth per material index (instead of wse).").setUnits("[m]");
    addExclusive({"wse", "h"});
    addRequiredIf({"index"}, "type", {"index_table"});
    addRequiredIf({"file"}, "type", {"continue"});
}

}  // namespace FLUMparse
