#include "input/blocks/IRctrlmanipulatedvar.h"

namespace FLUMparse {

IRctrlmanipulatedvar::IRctrlmanipulatedvar() : InputBlock("MANIPULATED_VARIABLE") {
    setDescription(
        "A structure value the controller sets: a gate or weir level, or a discharge, at position region.name "
        "(the name key of a boundary or inner boundary of that region). "
        "Each update moves the value by at most max_change_rate per second and keeps it inside range; the value "
        "starts at start_value. "
        "Give the name as the first entry of a coefficients sublist in the MONITORED_VARIABLE blocks. "
        "Not computed by this version: a command file with a CONTROLLER block stops with a message.");
    setExample("MANIPULATED_VARIABLE {\n"
        "   name = weir_crest\n"
        "   position = reach.weir\n"
        "   start_value = 401.0\n"
        "   max_change_rate = 0.001\n"
        "   range = ( 399.5 402.0 )\n"
        "}");
}

void IRctrlmanipulatedvar::declare() {
    addString("name", "Name of the manipulated variable, referred to by the coefficients of the monitored variables.").setMandatory();
    addPosition("position", "The structure: region.name with the name of a boundary or inner boundary of that region.").setMandatory();
    addReal("start_value", "Value of the structure at the start of the run (for example the crest level [m]).");
    addReal("max_change_rate", "Largest change of the value per second of simulated time, like the speed of a gate drive.").setMin(0.0);
    addRealList("range", "Lowest and highest value the controller may set.").setCount(2).setUnits("[m rel.]");
}

}  // namespace FLUMparse
