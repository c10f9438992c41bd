#include "input/blocks/IRmorphextsrc2d.h"

namespace FLUMparse {

IRmorphextsrc2d::IRmorphextsrc2d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external sediment source of the 2-D subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "   name = tributary\n"
        "   type = sediment_discharge\n"
        "   file = tributary_sediment.txt\n"
        "   mixture = gravel\n"
        "   node_ids = ( 120 121 122 )\n"
        "}");
}

void IRmorphextsrc2d::declare() {
    addString("name", "Name of the source.");
    addString("type", "Kind of source: a series (negative removes), from a coupled subdomain, or dredging.").setRestrictedValues({"sediment_discharge", "coupling_sediment_discharge", "dredge"}).setMandatory();
    addSeriesFile("file", "Sediment volume discharge without pores over time.").setUnits("[m3/s]");
    addString("mixture", "Mixture of the added or removed sediment.");
    addRequiredIf({"file", "mixture"}, "type", {"sediment_discharge"});
    addIntList("node_ids", "Nodes of the source.");
    addIntList("elem_ids", "Elements of the source.");
    addExclusive({"node_ids", "elem_ids"});
    addReal("dredge_level_absolute", "Level down to which deposits are dredged.").setUnits("[m]");
    addReal("dredge_height_relative", "Dredge level relative to the initial bed.").setUnits("[m]");
    addExclusive({"dredge_level_absolute", "dredge_height_relative"});
    addReal("dredge_trigger_height", "Deposit above the dredge level that starts dredging.").setDefault("0.0").setMin(0.0).setUnits("[m]");
    addReal("dredge_rate_max", "Largest dredged volume rate.").setMin(0.0).setUnits("[m3/s]");
    addIntList("dredge_node_ids_redist", "Nodes that receive the dredged volume.");
    addIntList("dredge_elem_ids_redist", "Elements that receive the dredged volume.");
    addUsedIf({"dredge_level_absolute", "dredge_height_relative", "dredge_trigger_height", "dredge_rate_max", "dredge_node_ids_redist", "dredge_elem_ids_redist"}, "type", {"dredge"});
}

}  // namespace FLUMparse
