#include "input/blocks/IRic1d.h"

namespace FLUMparse {

IRic1d::IRic1d() : InputBlock("INITIAL") {
    setDescription("Initial condition of the 1-D subdomain: a dry chain, the state of a restart file, or a backwater curve from a downstream level.");
    setExample(
        "INITIAL {\n"
        "   type = backwater\n"
        "   q_out = 120.0\n"
        "   WSE_out = 402.35\n"
        "}");
}

void IRic1d::declare() {
    addString("type", "dry: no water; continue: A and Q per section from a restart file; backwater: the discharge q_out everywhere and the levels of the energy equation upstream from WSE_out.")
        .setDefault("dry").setRestrictedValues({"dry", "continue", "backwater"});
    addFile("file", "Restart file: a line '#time: t', then per section its name, A and Q.");
    addReal("q_out", "Discharge of the backwater curve.").setUnits("[m3/s]");
    addReal("WSE_out", "Water-surface elevation at the downstream section.").setUnits("[m]");
    addRequiredIf({"file"}, "type", {"continue"});
    addRequiredIf({"q_out", "WSE_out"}, "type", {"backwater"});
}

}  // namespace FLUMparse
