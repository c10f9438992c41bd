#include "input/blocks/IRbedic2d.h"

namespace FLUMparse {

IRbedic2d::IRbedic2d() : InputBlock("INITIAL") {
    setDescription("Initial bed of the 2-D subdomain.");
    setExample("INITIAL {\n"
        "   type = continue\n"
        "   file = restart_sediment.cgns\n"
        "   restart_solution_time = 3600.0\n"
        "}");
}

void IRbedic2d::declare() {
    addString("type", "Initial bed: from the soils (default), or a restart.").setRestrictedValues({"soils", "continue"}).setDefault("soils");
    addFile("file", "Restart file of the bed and its layers.");
    addReal("restart_solution_time", "Time of the restart solution; must agree with the hydraulic restart.").setUnits("[s]");
    addRequiredIf({"file"}, "type", {"continue"});
}

}  // namespace FLUMparse
