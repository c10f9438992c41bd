#include "input/blocks/IRcouplings.h"

#include "input/blocks/IRcoupling.h"
#include "input/blocks/IRcouplingLateral.h"
#include "input/blocks/IRcouplingparam.h"

namespace FLUMparse {

IRcouplings::IRcouplings() : InputBlock("COUPLINGS") {
    setDescription("Exchange of water and sediment between subdomains.");
    setExample("COUPLINGS {\n"
        "   PARAMETER {\n"
        "      max_time_level = 4\n"
        "   }\n"
        "   COUPLING {\n"
        "      type = sequential\n"
        "      upstream_subdomain = river\n"
        "      downstream_subdomain = lake\n"
        "   }\n"
        "}");
}

void IRcouplings::declare() {
    addBlock<IRcouplingparam>(Optional, Single);
    addBlock<IRcoupling>(Optional, Repeatable);
    addBlock<IRcouplingLateral>(Optional, Repeatable);
}

}  // namespace FLUMparse
