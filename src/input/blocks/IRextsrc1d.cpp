#include "input/blocks/IRextsrc1d.h"

namespace FLUMparse {

IRextsrc1d::IRextsrc1d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("A lateral inflow (qlateral, at one section) or an off-channel storage (off_channel, between two sections) of the 1-D subdomain; negative discharges are sinks.");
    setExample(
        "EXTERNAL_SOURCE {\n"
        "   name = brook\n"
        "   type = qlateral\n"
        "   file = brook.txt\n"
        "   cross_section = km_12.450\n"
        "   side = left\n"
        "}");
}

void IRextsrc1d::declare() {
    addString("name", "Unique name, used by controllers and couplings.").setMandatory().setOneWord();
    addString("type", "Kind of source; the coupling_ forms take the discharge from a coupling.").setMandatory()
        .setRestrictedValues({"qlateral", "off_channel", "coupling_qlateral", "coupling_off_channel"});
    addSeriesFile("file", "Discharge over time; negative values are sinks.");
    addString("cross_section", "The section that receives a qlateral source.");
    addStringList("cross_sections", "The two sections between which an off_channel source acts, upstream first.");
    addString("side", "Bank of the inflow.").setRestrictedValues({"left", "right"});
    addRequiredIf({"cross_section"}, "type", {"qlateral", "coupling_qlateral"});
    addRequiredIf({"cross_sections"}, "type", {"off_channel", "coupling_off_channel"});
}

}  // namespace FLUMparse
