#include "input/blocks/IRinnerboundary1d.h"

namespace FLUMparse {

IRinnerboundary1d::IRinnerboundary1d() : InputBlock("INNER_BOUNDARY") {
    setDescription("A weir or gate between two adjacent cross sections of the chain.");
    setExample(
        "INNER_BOUNDARY {\n"
        "   name = mill_weir\n"
        "   type = weir\n"
        "   cross_section_name_1 = km_12.300\n"
        "   cross_section_name_2 = km_12.450\n"
        "   my = 0.65\n"
        "   level = 401.8\n"
        "   width = 18.0\n"
        "}");
}

void IRinnerboundary1d::declare() {
    addString("name", "Name, used by controllers and couplings.").setOneWord();
    addString("type", "Kind of structure; the coupling_ forms are driven by a coupling.").setMandatory()
        .setRestrictedValues({"weir", "gate", "coupling_weir", "coupling_gate"});
    addString("cross_section_name_1", "Section on the one side, usually upstream.").setMandatory();
    addString("cross_section_name_2", "Section on the other side; the two must be neighbours in the chain.").setMandatory();
    addReal("my", "Poleni factor of a weir or discharge factor of a gate; negative: from the flow.").setDefault("0.65").setUnits("[-]");
    addReal("level", "Weir crest or gate bottom level.").setUnits("[m]");
    addSeriesFile("level_file", "Crest or bottom level over time.");
    addExclusive({"level", "level_file"});
    addReal("width", "Crest or gate width.").setMin(0.0).setUnits("[m]");
    addSeriesFile("width_file", "Crest or gate width over time.");
    addExclusive({"width", "width_file"});
    addReal("embankement_slope", "Side slope of a symmetric weir; 999 means rectangular.").setDefault("999").setMin(0.0, false).setUnits("[-]");
    addReal("gate_elevation", "Top of the gate opening.").setUnits("[m]");
    addSeriesFile("gate_file", "Top of the gate opening over time.");
    addExclusive({"gate_elevation", "gate_file"});
    addUsedIf({"gate_elevation", "gate_file"}, "type", {"gate", "coupling_gate"});
}

}  // namespace FLUMparse
