#include "input/blocks/IRcouplingparam.h"

namespace FLUMparse {

IRcouplingparam::IRcouplingparam() : InputBlock("PARAMETER") {
    setDescription(
        "Time stepping and network settings of a coupled run. "
        "With local time stepping each subdomain advances with its own stable step, grouped into time levels "
        "(powers of two of the smallest step) up to max_time_level; the couplings exchange values between the "
        "steps. "
        "Lateral couplings should use max_time_level = 1 so that water is exchanged every step. "
        "The network keys (server, ip_address, port, max_buffer, packet_size, log_network) concern external "
        "subdomains (FLUM_EXTERN), which this version does not compute. "
        "Not computed by this version: a command file with a COUPLING or COUPLING_LATERAL block stops with a "
        "message; run the subdomains in separate command files for now.");
    setExample("PARAMETER {\n"
        "   max_time_level = 4\n"
        "   factor_time_step_reduction = 0.9\n"
        "   server = yes\n"
        "   ip_address = 127.0.0.1\n"
        "   port = 5000\n"
        "}");
}

void IRcouplingparam::declare() {
    addInt("max_time_level", "Largest time level of the local time stepping: a subdomain whose stable step is several times the smallest one advances with up to this multiple of it; 1 gives all subdomains the same step.").setDefault("32").setRestrictedValues({"32", "16", "8", "4", "2", "1"});
    addReal("factor_time_step_reduction", "Factor, usually at most 1, on every time step of a coupled run with more than one time level, for extra stability at the couplings.").setDefault("1.0");
    addString("server", "yes: this program waits for external subdomains to connect; no: it connects to them as a client.").setDefault("yes").setRestrictedValues({"no", "yes"});
    addString("ip_address", "Network address this program serves on when server = yes.").setDefault("127.0.0.1");
    addInt("port", "Network port this program serves on when server = yes.").setDefault("5000");
    addInt("max_buffer", "Number of values the network buffer of an external connection holds.").setDefault("2000");
    addInt("packet_size", "Number of values sent in one network packet.").setDefault("1000");
    addString("log_network", "on: write the network traffic to the log for troubleshooting.").setDefault("off").setRestrictedValues({"off", "on"});
    addUsedIf({"ip_address", "port"}, "server", {"yes"});
}

}  // namespace FLUMparse
