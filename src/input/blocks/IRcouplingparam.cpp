#include "input/blocks/IRcouplingparam.h"

namespace FLUMparse {

IRcouplingparam::IRcouplingparam() : InputBlock("PARAMETER") {
    setDescription("Time stepping and network settings of coupled runs.");
    setExample("PARAMETER {\n"
        "   max_time_level = 4\n"
        "   factor_time_step_reduction = 0.9\n"
        "}");
}

void IRcouplingparam::declare() {
    addInt("max_time_level", "Largest time level of the local time stepping.").setDefault("32").setRestrictedValues({"32", "16", "8", "4", "2", "1"});
    addReal("factor_time_step_reduction", "Reduction of the time step in coupled simulations.").setDefault("1.0");
    addString("server", "Network role for external subdomains.").setDefault("yes").setRestrictedValues({"no", "yes"});
    addString("ip_address", "Address to serve on.").setDefault("127.0.0.1");
    addInt("port", "Port to serve on.").setDefault("5000");
    addInt("max_buffer", "Size of the network buffer.").setDefault("2000");
    addInt("packet_size", "Size of a data packet.").setDefault("1000");
    addString("log_network", "Log the network traffic.").setDefault("off").setRestrictedValues({"off", "on"});
    addUsedIf({"ip_address", "port"}, "server", {"yes"});
}

}  // namespace FLUMparse
