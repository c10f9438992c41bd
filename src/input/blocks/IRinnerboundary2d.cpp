#include "input/blocks/IRinnerboundary2d.h"

namespace FLUMparse {

IRinnerboundary2d::IRinnerboundary2d() : InputBlock("INNER_BOUNDARY") {
    setDescription(
        "A structure inside the mesh between two STRINGDEFs that face each other across a gap in the mesh: the "
        "water leaving the upstream part over string_name1 re-enters the downstream part over string_name2, edge "
        "by edge in string order, so both strings need the same number of nodes. weir and gate take their crest "
        "or gate level from file, hqrelation an h-Q table of the upstream level; exact_flux connects the two "
        "strings as if the mesh were continuous and dummy_flux passes nothing. "
        "Use it for weirs, gates and other structures whose discharge law is known; momentum_factor scales the "
        "momentum of the jet that re-enters below a gate.");
    setExample("INNER_BOUNDARY {\n"
        "   name = mill_weir\n"
        "   type = weir\n"
        "   string_name1 = weir_upstream\n"
        "   string_name2 = weir_downstream\n"
        "   file = series/weir_crest.txt\n"
        "   my = 0.65\n"
        "}");
}

void IRinnerboundary2d::declare() {
    addString("name", "Name of the structure, unique in the subdomain, by which couplings and controllers refer to it.").setOneWord();
    addString("type", "Kind of structure: weir, gate, hqrelation (h-Q table), exact_flux (as if the mesh were continuous) or dummy_flux (closed).").setMandatory()
        .setRestrictedValues({"weir", "gate", "hqrelation", "exact_flux", "dummy_flux"});
    addString("string_name1", "STRINGDEF on the outflow side of the upstream part.").setMandatory();
    addString("string_name2", "STRINGDEF on the inflow side of the downstream part, with the same number of nodes as string_name1.").setMandatory();
    addSeriesFile("file", "Series of time [s] and crest or gate level [m], or h-Q table of upstream water level [m] and discharge [m3/s].");
    addReal("my", "Poleni factor of a weir or discharge factor of a gate; negative: from the flow (dynamic).").setDefault("-1.0");
    addReal("momentum_factor", "Factor on the momentum of the flow that re-enters below a gate.").setDefault("1.0").setMin(0.0);
}

}  // namespace FLUMparse
