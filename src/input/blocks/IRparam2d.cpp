#include "input/blocks/IRparam2d.h"

namespace FLUMparse {

IRparam2d::IRparam2d() : InputBlock("PARAMETER") {
    setDescription(
        "Parameters of the 2-D hydraulic solver and of the mesh checks. minimum_water_depth is the wet/dry "
        "threshold: larger values make shallow floodplain flow more robust but hold back thin sheets of water. "
        "The exact Riemann solver is the most accurate, hllc and hll are faster. "
        "The geo_ keys set the thresholds at which small, thin or warped elements are reported in the file ending "
        "in _Grid.err; they never change the mesh. "
        "Defaults suit most river models, so the block is optional.");
    setExample("PARAMETER {\n"
        "   minimum_water_depth = 0.02\n"
        "   riemann_solver = hllc\n"
        "   velocity_update_partial = volume_area\n"
        "   dynamic_depth_solver = yes\n"
        "   geo_min_area_ratio = 0.05\n"
        "   geo_min_aspect_ratio = 0.06\n"
        "}");
}

void IRparam2d::declare() {
    addReal("minimum_water_depth", "Water depth below which an element is dry and takes part in no flux.")
        .setDefault("0.05").setMin(0.0, false).setUnits("[m]");
    addString("riemann_solver", "Riemann solver of the interior edges: exact, or the faster approximate hllc and hll.").setDefault("exact")
        .setRestrictedValues({"exact", "hllc", "hll"});
    addReal("riemann_tolerance", "Relative tolerance of the Newton iteration of the exact Riemann solver.")
        .setDefault("1.0e-6").setMin(0.0, false);
    addString("simulation_scheme", "Time integration; only the explicit scheme exp is available, imp stops with a message.").setDefault("exp")
        .setRestrictedValues({"exp", "imp"});
    addString("velocity_update_partial", "Velocity of partially wetted elements from the wetted volume per wetted area "
              "(volume_area) or from the depth (depth).").setDefault("volume_area").setRestrictedValues({"volume_area", "depth"});
    addBool("dynamic_depth_solver", "At edges where the water level jumps by more than the depth (steep bed steps), use the element depths instead of the reconstructed ones.")
        .setDefault("yes");
    addReal("geo_min_area_ratio", "Mesh check: elements smaller than this fraction of the mean area are reported.")
        .setDefault("0.05").setMin(0.0);
    addReal("geo_max_angle_quadrilateral", "Mesh check: largest angle between the two halves of a quadrilateral.")
        .setDefault("45").setRange(0.0, 180.0).setUnits("[deg]");
    addReal("geo_min_aspect_ratio", "Mesh check: elements with inradius/circumradius below it are reported.")
        .setDefault("0.06").setRange(0.0, 0.5);
}

}  // namespace FLUMparse
