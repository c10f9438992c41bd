#include "input/blocks/IRcouplingLateral.h"

namespace FLUMparse {

IRcouplingLateral::IRcouplingLateral() : InputBlock("COUPLING_LATERAL") {
    setDescription(
        "Lateral exchange over the banks between a 1-D chain (flumchain) and a 2-D mesh (flumplane): where the "
        "water in the river rises above a dyke, it flows like over a side weir onto the floodplain mesh, and back "
        "when the floodplain is higher. "
        "The connections pair dykes of the cross sections with boundary edges of the mesh, either from "
        "connections_filename or found automatically within connections_distance of the edges whose material "
        "index is listed in connections_index. "
        "Exchange every step (max_time_level = 1 in PARAMETER) to avoid oscillations, and lower damping_factor if "
        "they appear. "
        "Not computed by this version: a command file with a COUPLING or COUPLING_LATERAL block stops with a "
        "message; run the subdomains in separate command files for now.");
    setExample("COUPLING_LATERAL {\n"
        "   flumchain = river\n"
        "   flumplane = floodplain\n"
        "   connections_automatic = yes\n"
        "   connections_index = ( 3 4 )\n"
        "   connections_distance = 15.0\n"
        "   weir_from_dyke1D = yes\n"
        "   my_weir = 0.6\n"
        "   side_weir_factor = 0.95\n"
        "   damping_factor = 0.5\n"
        "}");
}

void IRcouplingLateral::declare() {
    addString("flumchain", "region_name of the FLUMCHAIN_1D subdomain.");
    addString("flumplane", "region_name of the FLUMPLANE_2D subdomain.");
    addFile("connections_filename", "Text file with one connection per line: cross-section name, dyke location (left or right) and the two node ids of a mesh-boundary edge.");
    addReal("my_weir", "Poleni discharge coefficient of the overtopped bank.").setDefault("0.66");
    addReal("side_weir_factor", "Reduction of the weir discharge for flow along the weir crest (side weir), between 0 and 1.").setDefault("0.95");
    addBool("connections_automatic", "Find the connections automatically from connections_index and connections_distance and write them to lateral_connections_created.dat.").setDefault("no");
    addIntList("connections_index", "Material indices of the mesh elements whose boundary edges may be connected to the 1-D dykes.");
    addReal("connections_distance", "Largest distance between a dyke and a mesh edge for an automatic connection.").setDefault("10.0").setUnits("[m]");
    addBool("weir_from_dyke1D", "Take the weir crest heights from the dykes of the 1-D cross sections.");
    addBool("weir_determination_nodes", "Take the weir crest heights from the elevations of the mesh nodes of the connected edges.").setDefault("no");
    addReal("damping_factor", "Under-relaxation of the exchanged discharge from one step to the next; smaller values damp oscillations.").setDefault("0.5").setRange(0.0, 1.0).setUnits("[-]");
    addReal("factor_adjust", "Factor on the exchanged discharge, for calibration.").setDefault("1.0");
    addBool("print_series", "Write the exchanged discharges over time to a file.").setDefault("no");
    addRequiredIf({"connections_filename"}, "connections_automatic", {"no"});
    addRequiredIf({"connections_index", "connections_distance"}, "connections_automatic", {"yes"});
    addUsedIf({"weir_determination_nodes"}, "weir_from_dyke1D", {"no"});
}

}  // namespace FLUMparse
