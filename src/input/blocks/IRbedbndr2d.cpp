#include "input/blocks/IRbedbndr2d.h"

namespace FLUMparse {

IRbedbndr2d::IRbedbndr2d() : InputBlock("BOUNDARY") {
    setDescription("A bed-load boundary of the 2-D subdomain.");
    setExample("BOUNDARY {\n"
        "   type = sediment_discharge\n"
        "   string_name = inflow\n"
        "   file = sediment_inflow.txt\n"
        "   mixture = gravel\n"
        "}");
}

void IRbedbndr2d::declare() {
    addString("type", "Kind of boundary: inflow series, inflow from a coupled subdomain, transport capacity of the inflow, inflow equal to the outflow of the first cell (IOUp), free outflow (IODown, coupling_IODown). A string without boundary is a wall.").setRestrictedValues({"sediment_discharge", "coupling_sediment_discharge", "transport_capacity", "IOUp", "IODown", "coupling_IODown"}).setMandatory();
    addString("string_name", "Edge string of the boundary (STRINGDEF).").setMandatory();
    addSeriesFile("file", "Time series of the sediment inflow, volume without pores.").setUnits("[m3/s]");
    addString("mixture", "Mixture (BEDMATERIAL/MIXTURE) of the inflowing sediment.");
    addRequiredIf({"file", "mixture"}, "type", {"sediment_discharge"});
    addReal("factor", "Factor on the equilibrium inflow of transport_capacity.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addString("name", "Name of the boundary for couplings and balances.");
    addBool("fraction_boundary", "Take the grain fractions of the inflow from the boundary cell instead of the mixture.").setDefault("no");
}

}  // namespace FLUMparse
