#include "input/blocks/IRcouplingLateral.h"

namespace FLUMparse {

IRcouplingLateral::IRcouplingLateral() : InputBlock("COUPLING_LATERAL") {
    setDescription("Lateral exchange over the banks between a 1-D chain and a 2-D mesh.");
    setExample("COUPLING_LATERAL {\n"
        "   flumchain = river\n"
        "   flumplane = floodplain\n"
        "   connections_automatic = yes\n"
        "   connections_index = ( 1 2 )\n"
        "}");
}

void IRcouplingLateral::declare() {
    addString("flumchain", "Region name of the 1-D subdomain.");
    addString("flumplane", "Region name of the 2-D subdomain.");
    addFile("connections_filename", "File listing the connections.");
    addReal("my_weir", "Weir coefficient.").setDefault("0.66");
    addReal("side_weir_factor", "Reduction factor of the side weir.").setDefault("0.95");
    addBool("connections_automatic", "Find the connections automatically.").setDefault("no");
    addIntList("connections_index", "Indexes of the connections.");
    addReal("connections_distance", "Search distance of the automatic connections.").setDefault("10.0").setUnits("[m]");
    addBool("weir_from_dyke1D", "Weir heights from the dykes of the 1-D sections.");
    addBool("weir_determination_nodes", "Weir heights from the mesh nodes.").setDefault("no");
    addReal("damping_factor", "Damping of the exchanged discharge.").setDefault("0.5").setRange(0.0, 1.0).setUnits("[-]");
    addReal("factor_adjust", "Adjustment factor.").setDefault("1.0");
    addBool("print_series", "Write the exchanged values to a file.").setDefault("no");
    addRequiredIf({"connections_filename"}, "connections_automatic", {"no"});
    addRequiredIf({"connections_index", "connections_distance"}, "connections_automatic", {"yes"});
    addUsedIf({"weir_determination_nodes"}, "weir_from_dyke1D", {"no"});
}

}  // namespace FLUMparse
