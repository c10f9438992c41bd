#include "input/blocks/IRcouplingsub.h"

namespace FLUMparse {

IRcouplingsub::IRcouplingsub(const std::string& name) : InputBlock(name) {
    setDescription("The coupling interfaces that exchange one quantity (HYDRAULICS, BEDLOAD, SUSPENSION or SUBSURFACE).");
    setExample("HYDRAULICS {\n"
        "   upstream_interface = outflow\n"
        "   downstream_interface = inflow\n"
        "}");
}

void IRcouplingsub::declare() {
    addString("upstream_interface", "Interface of the upstream subdomain.");
    addString("downstream_interface", "Interface of the downstream subdomain.");
    addString("external_interface", "Interface of the external subdomain.");
    addString("flumaris_interface", "Interface of the subdomain of this program.");
}

}  // namespace FLUMparse
