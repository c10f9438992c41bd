#include "input/blocks/IRbedic1d.h"

namespace FLUMparse {

IRbedic1d::IRbedic1d() : InputBlock("INITIAL") {
    setDescription("Initial bed of the 1-D subdomain.");
    setExample("INITIAL {\n"
        "   type = soils\n"
        "}");
}

void IRbedic1d::declare() {
    addString("type", "Initial bed: from the soils of the geometry file (default), or a restart.").setRestrictedValues({"soils", "continue"}).setDefault("soils");
    addFile("file", "Restart file of the bed and its layers.");
    addRequiredIf({"file"}, "type", {"continue"});
}

}  // namespace FLUMparse
