#include "input/blocks/IRbedload2d.h"

#include "input/blocks/IRbedbndr2d.h"
#include "input/blocks/IRbedparameter2d.h"

namespace FLUMparse {

IRbedload2d::IRbedload2d() : InputBlock("BEDLOAD") {
    setDescription("Bed load of the 2-D subdomain.");
    setExample("BEDLOAD {\n"
        "   PARAMETER {\n"
        "      bedload_transport = mpm\n"
        "   }\n"
        "   BOUNDARY {\n"
        "      type = IOUp\n"
        "      string_name = inflow\n"
        "   }\n"
        "}");
}

void IRbedload2d::declare() {
    addBlock<IRbedbndr2d>(Optional, Repeatable);
    addBlock<IRbedparameter2d>(Mandatory, Single);
}

}  // namespace FLUMparse
