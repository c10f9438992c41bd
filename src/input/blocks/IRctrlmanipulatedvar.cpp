#include "input/blocks/IRctrlmanipulatedvar.h"

namespace FLUMparse {

IRctrlmanipulatedvar::IRctrlmanipulatedvar() : InputBlock("MANIPULATED_VARIABLE") {
    setDescription("A structure value the controller sets (gate opening, weir height, discharge).");
    setExample("MANIPULATED_VARIABLE {\n"
        "}");
}

void IRctrlmanipulatedvar::declare() {
    addString("name", "Name of the manipulated variable.").setMandatory();
    addPosition("position", "The structure: region.name.").setMandatory();
    addReal("start_value", "Value at the start.");
    addReal("max_change_rate", "Largest change per second.").setMin(0.0);
    addRealList("range", "Lower and upper bound of the value.").setCount(2).setUnits("[m rel.]");
}

}  // namespace FLUMparse
