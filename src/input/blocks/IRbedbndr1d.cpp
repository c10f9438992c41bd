#include "input/blocks/IRbedbndr1d.h"

namespace FLUMparse {

IRbedbndr1d::IRbedbndr1d() : InputBlock("BOUNDARY") {
    setDescription("A bed-load boundary of the 1-D subdomain.");
    setExample("BOUNDARY {\n"
        "   name = upstream_supply\n"
        "   string = upstream\n"
        "   type = sediment_discharge\n"
        "   file = sediment_inflow.txt\n"
        "   mixture = gravel\n"
        "}");
}

void IRbedbndr1d::declare() {
    addString("name", "Name of the boundary for couplings and balances.");
    addString("string", "End of the chain.").setRestrictedValues({"upstream", "downstream"}).setMandatory();
    addString("type", "Kind of boundary; wall (no transport) is the default.").setRestrictedValues({"sediment_discharge", "coupling_sediment_discharge", "IOUp", "IODown", "coupling_IODown", "transport_capacity", "bed_load_function", "sediment_grain_discharge", "wall"}).setDefault("wall");
    addSeriesFile("file", "Sediment inflow series (volume without pores) or, for bed_load_function, the Qb(Q) table.").setUnits("[m3/s]");
    addStringList("multiFile", "One inflow series per grain class, for sediment_grain_discharge.");
    addString("mixture", "Mixture of the inflowing sediment.");
    addRequiredIf({"file", "mixture"}, "type", {"sediment_discharge"});
    addRequiredIf({"multiFile"}, "type", {"sediment_grain_discharge"});
    addReal("factor", "Factor on the inflow of IOUp and transport_capacity.").setDefault("1.0").setMin(0.0).setUnits("[-]");
}

}  // namespace FLUMparse
