#include "input/blocks/IRbndr2d.h"

namespace FLUMparse {

IRbndr2d::IRbndr2d() : InputBlock("BOUNDARY") {
    setDescription(
        "A boundary condition on a STRINGDEF that lies on the mesh boundary. "
        "Inflow: hydrograph (discharge series; the inflow level follows from normal flow with slope, which must "
        "be given) or zhydrograph (water-level series, in- and outflow). "
        "Outflow: hqrelation (h-Q table in file, or normal flow with slope), zero_gradient (free outflow without "
        "data), weir or gate (crest or gate level series with factor my). "
        "Edges without a boundary are walls; write wall only to name one. "
        "Series must start at or before the start of the run. "
        "The coupling_ forms take their values from a COUPLING and pore_pressures_coupling from a subsurface "
        "subdomain, which this version does not compute: a command file with a COUPLING block or a "
        "pore_pressures_coupling boundary stops with a message.");
    setExample("BOUNDARY {\n"
        "   name = upstream_inflow\n"
        "   type = hydrograph\n"
        "   string_name = inflow\n"
        "   file = series/inflow_Q.txt\n"
        "   slope = 1.5\n"
        "   weighting_type = conveyance\n"
        "   wse_calc_method = average\n"
        "   max_interval = 10.0\n"
        "}");
}

void IRbndr2d::declare() {
    addString("name", "Name of the boundary, unique in the subdomain, by which couplings and controllers refer to it.").setOneWord();
    addString("string_name", "Name of the STRINGDEF whose edges carry the boundary; all its edges must lie on the mesh boundary.").setMandatory();
    addString("type", "Kind of boundary: an inflow hydrograph, a water-level series, an h-Q relation, free outflow, a weir, a gate or a wall; the coupling_ forms take their values from a coupling.")
        .setMandatory()
        .setRestrictedValues({"hydrograph", "zhydrograph", "hqrelation", "zero_gradient", "weir", "gate", "wall",
                              "coupling_hydrograph", "coupling_zhydrograph", "coupling_hqrelation",
                              "coupling_zero_gradient", "coupling_weir", "coupling_gate", "pore_pressures_coupling"});
    addSeriesFile("file", "Series file of time [s] and discharge [m3/s] (hydrograph) or level [m] (zhydrograph, weir crest, gate), or h-Q table of water level [m] and discharge [m3/s] (hqrelation).");
    addReal("my", "Poleni factor of a weir or discharge factor of a gate; a negative value lets the program derive it from the flow.").setDefault("-1.0");
    addReal("slope", "Mean energy slope of the reach at the boundary, for the normal-flow level of a hydrograph or an hqrelation without table.").setMin(0.0).setUnits("[per mill]");
    addReal("max_interval", "Height above the highest point of the edge string up to which the boundary's water-level tables reach; raise it for very high floods.").setDefault("20.0").setMin(0.0).setUnits("[m]");
    addInt("number_of_iterations", "Largest number of iterations for the normal-flow level of a hydrograph.").setDefault("5000").setMin(1);
    addString("weighting_type", "Distribution of the discharge over the wetted edges: by conveyance (more in the deep channel) or by area (same velocity everywhere).").setRestrictedValues({"conveyance", "area"}).setDefault("conveyance");
    addBool("wall_flux", "Partly wetted edges of an h-Q boundary act as walls instead of zero gradient.").setDefault("no");
    addBool("inflow_possible", "A prescribed water level may let water in.").setDefault("yes");
    addBool("zero_velocity", "The ghost state of a prescribed water level is at rest.").setDefault("no");
    addReal("precision", "Iteration tolerance of the normal-flow level; negative: 0.1 x minimum_water_depth.").setDefault("-1.0").setUnits("[m]");
    addString("wse_calc_method", "Water level of a hydrograph or hqrelation boundary: one level for the whole section (average) or each edge's adjacent element (local).").setDefault("average").setRestrictedValues({"average", "local"});
    addString("conveyance_type", "Conveyance of an h-Q boundary from the section tables or from each edge alone.").setDefault("tables").setRestrictedValues({"tables", "edge"});
}

}  // namespace FLUMparse
