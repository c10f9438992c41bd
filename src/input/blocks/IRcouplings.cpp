#include "input/blocks/IRcouplings.h"

#include "input/blocks/IRcoupling.h"
#include "input/blocks/IRcouplingLateral.h"
#include "input/blocks/IRcouplingparam.h"

namespace FLUMparse {

IRcouplings::IRcouplings() : InputBlock("COUPLINGS") {
    setDescription(
        "Connects the subdomains of DOMAIN: "
        "PARAMETER sets the local time stepping of a coupled run, each COUPLING passes discharge (and, two-way, "
        "water levels) between the coupling_ boundaries of two or three subdomains, and COUPLING_LATERAL lets "
        "water spill over the banks between a 1-D chain and a 2-D mesh. "
        "The block is required as soon as DOMAIN holds more than one subdomain. "
        "Subdomains and interfaces are named by region_name and by the name key of their boundaries. "
        "Not computed by this version: a command file with a COUPLING or COUPLING_LATERAL block stops with a "
        "message; run the subdomains in separate command files for now.");
    setExample("COUPLINGS {\n"
        "   PARAMETER {\n"
        "      max_time_level = 4\n"
        "   }\n"
        "   COUPLING {\n"
        "      type = sequential\n"
        "      upstream_subdomain = upper_reach\n"
        "      downstream_subdomain = lower_reach\n"
        "      HYDRAULICS {\n"
        "         upstream_interface = upper_outlet\n"
        "         downstream_interface = lower_inlet\n"
        "      }\n"
        "   }\n"
        "}");
}

void IRcouplings::declare() {
    addBlock<IRcouplingparam>(Optional, Single);
    addBlock<IRcoupling>(Optional, Repeatable);
    addBlock<IRcouplingLateral>(Optional, Repeatable);
}

}  // namespace FLUMparse
