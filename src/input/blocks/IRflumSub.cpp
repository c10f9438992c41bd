#include "input/blocks/IRflumSub.h"

#include "input/blocks/IRbndrSub.h"
#include "input/blocks/IRgeomSub.h"
#include "input/blocks/IRicSub.h"
#include "input/blocks/IRmaterialSub.h"
#include "input/blocks/IRoutputSub.h"
#include "input/blocks/IRparamSub.h"
#include "input/blocks/IRsrcSub.h"
#include "input/blocks/IRtimestepSub.h"

namespace FLUMparse {

IRflumSub::IRflumSub() : InputBlock("FLUMSUB") {
    setDescription(
        "A subsurface subdomain: variably saturated ground-water flow on a lattice, for seepage through dykes and "
        "banks, coupled to the surface flow through pore_pressures_coupling boundaries. "
        "Its blocks describe the lattice zones (GEOMETRY), soils and retention curves (MATERIAL), boundaries, "
        "sources, initial state, parameters, time stepping and output; most of them declare no keys yet. "
        "Not computed by this version: a command file with a FLUMSUB block stops with a message.");
    setExample("FLUMSUB {\n"
        "   region_name = dyke_seepage\n"
        "   GEOMETRY {\n"
        "      ZONE {\n"
        "      }\n"
        "   }\n"
        "   MATERIAL {\n"
        "      SOIL_DEF {\n"
        "         RETENTION_MODEL {\n"
        "         }\n"
        "      }\n"
        "   }\n"
        "   TIMESTEP {\n"
        "   }\n"
        "}");
}

void IRflumSub::declare() {
    addString("region_name", "Name of the subsurface region, unique within DOMAIN, used by couplings.").setOneWord();
    addBlock<IRbndrSub>(Optional, Repeatable);
    addBlock<IRgeomSub>(Optional, Single);
    addBlock<IRicSub>(Optional, Single);
    addBlock<IRmaterialSub>(Optional, Single);
    addBlock<IRoutputSub>(Optional, Single);
    addBlock<IRparamSub>(Optional, Single);
    addBlock<IRsrcSub>(Optional, Repeatable);
    addBlock<IRtimestepSub>(Optional, Single);
}

}  // namespace FLUMparse
