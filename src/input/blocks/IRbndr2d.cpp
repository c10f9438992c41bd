#include "input/blocks/IRbndr2d.h"

namespace FLUMparse {

IRbndr2d::IRbndr2d() : InputBlock("BOUNDARY") {
    setDescription("A boundary condition of the 2-D subdomain.");
    setExample("BOUNDARY {\n"
        "}");
}

void IRbndr2d::declare() {
    addString("name", "Name of the boundary for couplings and controllers.").setOneWord();
    addString("string_name", "The STRINGDEF whose edges carry the boundary.").setMandatory();
    addString("type", "Kind of boundary: an inflow hydrograph, a water-level series, an h-Q relation, free outflow, a weir, a gate or a wall; the coupling_ forms take their values from a coupling.")
        .setMandatory()
        .setRestrictedValues({"hydrograph", "zhydrograph", "hqrelation", "zero_gradient", "weir", "gate", "wall",
                              "coupling_hydrograph", "coupling_zhydrograph", "coupling_hqrelation",
                              "coupling_zero_gradient", "coupling_weir", "coupling_gate", "pore_pressures_coupling"});
    addSeriesFile("file", "Series (time and value) or h-Q table (water level and discharge).");
    addReal("my", "Poleni factor of a weir or discharge factor of a gate; negative: from the flow (dynamic).").setDefault("-1.0");
    addReal("slope", "Mean energy slope for normal flow.").setMin(0.0).setUnits("[per mill]");
    addReal("max_interval", "Height of the boundary tables above the highest point of the edge string.").setDefault("20.0").setMin(0.0).setUnits("[m]");
    addInt("number_of_iterations", "Iteration limit of the normal-flow level.").setDefault("5000").setMin(1);
    addString("weighting_type", "Distribution of the discharge over the edges.").setRestrictedValues({"conveyance", "area"}).setDefault("conveyance");
    addBool("wall_flux", "Partly wetted edges of an h-Q boundary act as walls instead of zero gradient.").setDefault("no");
    addBool("inflow_possible", "A prescribed water level may let water in.").setDefault("yes");
    addBool("zero_velocity", "The ghost state of a prescribed water level is at rest.").setDefault("no");
    addReal("precision", "Iteration precision of the normal-flow level; negative: 0.1 x minimum_water_depth.").setDefault("-1.0").setUnits("[m]");
    addString("wse_calc_method", "Water level of the boundary: section average or per edge (local).").setDefault("average").setRestrictedValues({"average", "local"});
    addString("conveyance_type", "Conveyance of an h-Q boundary from the section tables or from each edge alone.").setDefault("tables").setRestrictedValues({"tables", "edge"});
}

}  // namespace FLUMparse
