#include "input/blocks/IRsoilSub.h"

#include "input/blocks/IRretentionmodel.h"
#include "input/blocks/IRzoneSub.h"

namespace FLUMparse {

IRsoilSub::IRsoilSub() : InputBlock("SOIL_DEF") {
    setDescription(
        "A soil of the subsurface subdomain: its water-retention curve (RETENTION_MODEL) and the lattice zones "
        "(ZONE) it fills. "
        "Not to be confused with the SOIL_DEF of the bed material, which describes sediment layers. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("SOIL_DEF {\n"
        "   RETENTION_MODEL {\n"
        "   }\n"
        "   ZONE {\n"
        "   }\n"
        "}");
}

void IRsoilSub::declare() {
    addBlock<IRretentionmodel>(Optional, Single);
    addBlock<IRzoneSub>(Optional, Repeatable);
}

}  // namespace FLUMparse
