#include "input/blocks/IRdomain.h"

#include "input/blocks/IRcalc1d.h"
#include "input/blocks/IRcontroller.h"
#include "input/blocks/IRcouplings.h"
#include "input/blocks/IRflumSub.h"
#include "input/blocks/IRflumextern.h"
#include "input/blocks/IRflumplane.h"
#include "input/blocks/IRparallel.h"
#include "input/blocks/IRphysprop.h"

namespace FLUMparse {

IRdomain::IRdomain() : InputBlock("DOMAIN") {
    setDescription(
        "The whole computational area: its subdomains, the couplings between them and the controllers that steer "
        "structures. "
        "FLUMPLANE_2D is the subdomain this version computes; "
        "FLUMCHAIN_1D, FLUMSUB and FLUM_EXTERN are documented but not computed by this version, and a command "
        "file that uses them stops with a message. "
        "Every subdomain needs a region_name unique within DOMAIN, which prefixes its result files. "
        "More than one subdomain requires a COUPLINGS block; "
        "PARALLEL and PHYSICAL_PROPERTIES are optional and apply to all subdomains.");
    setExample("DOMAIN {\n"
        "   multiregion = Emme_valley\n"
        "   PARALLEL {\n"
        "      number_threads = 4\n"
        "   }\n"
        "   PHYSICAL_PROPERTIES {\n"
        "      gravity = 9.81\n"
        "      rho_fluid = 1000.0\n"
        "   }\n"
        "   FLUMPLANE_2D {\n"
        "      region_name = reach\n"
        "      GEOMETRY {\n"
        "         file = mesh/reach.2dm\n"
        "      }\n"
        "      HYDRAULICS {\n"
        "         FRICTION {\n"
        "            type = strickler\n"
        "            default_friction = 30\n"
        "         }\n"
        "      }\n"
        "      TIMESTEP {\n"
        "         total_run_time = 86400\n"
        "      }\n"
        "   }\n"
        "}");
}

void IRdomain::declare() {
    addString("multiregion", "Name of the whole computation area, used in messages only.").setDefault("unnamed_multiregion");
    addBlock<IRparallel>(Optional, Single);
    addBlock<IRphysprop>(Optional, Single);
    addBlock<IRcalc1d>(Optional, Repeatable);
    addBlock<IRflumplane>(Optional, Repeatable);
    addBlock<IRflumSub>(Optional, Repeatable);
    addBlock<IRflumextern>(Optional, Repeatable);
    addBlock<IRcouplings>(Optional, Single);
    addBlock<IRcontroller>(Optional, Repeatable);
}

}  // namespace FLUMparse
