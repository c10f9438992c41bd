#include "input/blocks/IRmaterialSub.h"

#include "input/blocks/IRsoilSub.h"

namespace FLUMparse {

IRmaterialSub::IRmaterialSub() : InputBlock("MATERIAL") {
    setDescription(
        "Soils of the subsurface subdomain: one SOIL_DEF block per soil, each with its retention curve and the "
        "zones it fills. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("MATERIAL {\n"
        "   SOIL_DEF {\n"
        "      RETENTION_MODEL {\n"
        "      }\n"
        "      ZONE {\n"
        "      }\n"
        "   }\n"
        "}");
}

void IRmaterialSub::declare() {
    addBlock<IRsoilSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
