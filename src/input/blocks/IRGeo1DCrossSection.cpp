#include "input/blocks/IRGeo1DCrossSection.h"

#include "input/blocks/IRGeo1DCSSoilDef.h"

namespace FLUMparse {

IRGeo1DCrossSection::IRGeo1DCrossSection() : InputBlock("CROSS_SECTION") {
    setDescription("A surveyed cross section: its nodes from left to right and the ranges of its slices.");
    setExample("CROSS_SECTION {\n"
        "   name = km_12.300\n"
        "   distance_coord = 12.3\n"
        "   node_coords = ( (0 402.1) (5 399.8) (12 399.5) (20 402.3) )\n"
        "   main_channel_range = ( 5 12 )\n"
        "   friction_coefficients = ( 30 )\n"
        "   friction_ranges = ( (0 20) )\n"
        "}");
}

void IRGeo1DCrossSection::declare() {
    addString("name", "Unique name of the section.").setMandatory();
    addReal("distance_coord", "Position along the river, from upstream to downstream.").setMandatory().setUnits("[km]");
    addReal("sternberg", "Abrasion factor of the Sternberg law for this section.");
    addReal("reference_height", "Added to every node elevation on input.").setDefault("0.0").setUnits("[m]");
    addRealList("left_point_global_coords", "Global x and y of the leftmost node.").setCount(2);
    addReal("orientation_angle", "Orientation of the section line.").setRange(0.0, 360.0).setUnits("[deg]");
    addTag<InputTagNodeCoordList>("node_coords", "Nodes from left to right: lateral distance from the leftmost node and elevation, ( (y z) (y z) ... ).").setMandatory();
    addIntList("interpolation_fixpoints", "Node indexes (from 1) connected when sections are interpolated.");
    addRealList("water_flow_range", "The flowing part: two node coordinates y.");
    addIntList("water_flow_slice_indexes", "The flowing part: two slice indexes, from 1.");
    addExclusive({"water_flow_range", "water_flow_slice_indexes"});
    addRealList("main_channel_range", "The main channel: two node coordinates y.");
    addIntList("main_channel_slice_indexes", "The main channel: two slice indexes, from 1.");
    addExclusive({"main_channel_range", "main_channel_slice_indexes"});
    addRealList("bottom_range", "The bed-load active zone: two node coordinates y.");
    addIntList("bottom_slice_indexes", "The bed-load active zone: two slice indexes, from 1.");
    addExclusive({"bottom_range", "bottom_slice_indexes"});
    addRealList("active_range", "The active part between the dikes: two node coordinates y.");
    addIntList("active_slice_indexes", "The active part between the dikes: two slice indexes, from 1.");
    addExclusive({"active_range", "active_slice_indexes"});
    addReal("bed_form_factor", "Constant reduction of the bottom shear stress by bed forms (1.0 = none).").setDefault("1.0");
    addReal("theta_critic", "Local critical Shields parameter; negative: the global value.").setDefault("-1.0").setMax(1.0);
    addReal("friction_calibration_factor", "Multiplies the friction of this section.").setDefault("1.0").setRange(0.0, 10.0);
    addReal("default_friction", "Strickler value of the slices without an individual value.").setUnits("[m^(1/3)/s]");
    addRealList("friction_coefficients", "Strickler values, one per range.");
    addTag<InputTagListOfList<double>>("friction_ranges", "Ranges of the coefficients, each two node coordinates y.");
    addTag<InputTagListOfList<int>>("friction_slice_indexes", "Ranges of the coefficients, each two slice indexes.");
    addExclusive({"friction_ranges", "friction_slice_indexes"});
    addRealList("table_fixed_points", "Levels always included in the look-up table.").setUnits("[m]");
    addReal("table_fixed_lower_limit", "Lowest water-surface elevation of the table.").setUnits("[m]");
    addBool("interpolated", "Marks a section made by interpolation (written by the program).").setDefault("no");
    addBlock<IRGeo1DCSSoilDef>(Optional, Repeatable);
}

}  // namespace FLUMparse
