#include "input/blocks/IRflumextern.h"

#include "input/blocks/IRbndrExtern.h"

namespace FLUMparse {

IRflumextern::IRflumextern() : InputBlock("FLUM_EXTERN") {
    setDescription(
        "A subdomain whose state lives in another program, exchanged over a network connection: this program "
        "connects to the partner at ip_address and port and exchanges boundary values with it through an external "
        "COUPLING. "
        "Use it to couple a model that runs in a separate process or on another machine. "
        "The network role of this program (server or client) is set in COUPLINGS/PARAMETER. "
        "Not computed by this version: a command file with a FLUM_EXTERN block stops with a message.");
    setExample("FLUM_EXTERN {\n"
        "   region_name = groundwater\n"
        "   ip_address = 192.168.1.20\n"
        "   port = 5001\n"
        "   BOUNDARY {\n"
        "   }\n"
        "}");
}

void IRflumextern::declare() {
    addString("region_name", "Name of the external subdomain, used by the external COUPLING (external_subdomain).").setOneWord();
    addString("ip_address", "Network address of the machine on which the partner program runs.").setDefault("127.0.0.1");
    addInt("port", "Network port of the connection to the partner; must be larger than 1000.").setDefault("5000");
    addBlock<IRbndrExtern>(Optional, Repeatable);
}

}  // namespace FLUMparse
