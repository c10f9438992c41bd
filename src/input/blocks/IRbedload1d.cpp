#include "input/blocks/IRbedload1d.h"

#include "input/blocks/IRbedbndr1d.h"
#include "input/blocks/IRbedparameter1d.h"

namespace FLUMparse {

IRbedload1d::IRbedload1d() : InputBlock("BEDLOAD") {
    setDescription("Bed load of the 1-D subdomain.");
    setExample("BEDLOAD {\n"
        "   PARAMETER {\n"
        "      bedload_transport = mpm\n"
        "   }\n"
        "   BOUNDARY {\n"
        "      string = upstream\n"
        "      type = IOUp\n"
        "   }\n"
        "   BOUNDARY {\n"
        "      string = downstream\n"
        "      type = IODown\n"
        "   }\n"
        "}");
}

void IRbedload1d::declare() {
    addBlock<IRbedbndr1d>(Optional, Repeatable);
    addBlock<IRbedparameter1d>(Mandatory, Single);
}

}  // namespace FLUMparse
