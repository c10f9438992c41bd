#include "input/blocks/IRcouplingsub.h"

namespace FLUMparse {

IRcouplingsub::IRcouplingsub(const std::string& name) : InputBlock(name) {
    setDescription(
        "Names the coupling interfaces that exchange one quantity: "
        "HYDRAULICS (discharge and water level), BEDLOAD, SUSPENSION or SUBSURFACE (pore pressures). "
        "An interface is a coupling_ boundary, structure or source of the subdomain, referred to by its name key "
        "(not its string_name); names must be unique within a subdomain. "
        "Use upstream_interface and downstream_interface for sequential, junction and bifurcation couplings, "
        "flumaris_interface and external_interface for the external type. "
        "Not computed by this version: a command file with a COUPLING block stops with a message.");
    setExample(name + " {\n"
        "   upstream_interface = upper_outlet\n"
        "   downstream_interface = lower_inlet\n"
        "}");
}

void IRcouplingsub::declare() {
    addString("upstream_interface", "Name of the coupling_ boundary of the upstream subdomain (usually its outflow).");
    addString("downstream_interface", "Name of the coupling_ boundary of the downstream subdomain (usually its inflow hydrograph).");
    addString("external_interface", "Name of the interface in the external program.");
    addString("flumaris_interface", "Name of the coupling_ boundary of the subdomain of this program that exchanges with the external one.");
}

}  // namespace FLUMparse
