#include "input/blocks/IRinnerboundary2d.h"

namespace FLUMparse {

IRinnerboundary2d::IRinnerboundary2d() : InputBlock("INNER_BOUNDARY") {
    setDescription("An inner boundary (weir, gate) of the 2-D subdomain.");
    setExample("INNER_BOUNDARY {\n"
        "}");
}

void IRinnerboundary2d::declare() {
    addString("name", "Name of the inner boundary for couplings and controllers.").setOneWord();
    addString("type", "Kind of structure between the two strings.").setMandatory()
        .setRestrictedValues({"weir", "gate", "hqrelation", "exact_flux", "dummy_flux"});
    addString("string_name1", "Outflow side of the upstream part.").setMandatory();
    addString("string_name2", "Inflow side of the downstream part; the same number of nodes as string_name1.").setMandatory();
    addSeriesFile("file", "Crest or gate level over time, or h-Q table (upstream level and discharge).");
    addReal("my", "Poleni factor of a weir or discharge factor of a gate; negative: from the flow (dynamic).").setDefault("-1.0");
    addReal("momentum_factor", "Factor on the momentum of the flow that re-enters below a gate.").setDefault("1.0").setMin(0.0);
}

}  // namespace FLUMparse
