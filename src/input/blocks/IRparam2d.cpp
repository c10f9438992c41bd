#include "input/blocks/IRparam2d.h"

namespace FLUMparse {

IRparam2d::IRparam2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D hydraulic solver.");
    setExample("PARAMETER {\n"
        "   minimum_water_depth = 0.05\n"
        "   riemann_solver = hllc\n"
        "}");
}

void IRparam2d::declare() {
    addReal("minimum_water_depth", "Water depth below which an element is dry and takes part in no flux.")
        .setDefault("0.05").setMin(0.0, false).setUnits("[m]");
    addString("riemann_solver", "Riemann solver of the interior edges.").setDefault("exact")
        .setRestrictedValues({"exact", "hllc", "hll"});
    addReal("riemann_tolerance", "Relative tolerance of the Newton iteration of the exact Riemann solver.")
        .setDefault("1.0e-6").setMin(0.0, false);
    addString("simulation_scheme", "Time integration; only the explicit scheme exp is available.").setDefault("exp")
        .setRestrictedValues({"exp", "imp"});
    addString("velocity_update_partial", "Velocity of partially wetted elements from the wetted volume per wetted area "
              "(volume_area) or from the depth (depth).").setDefault("volume_area").setRestrictedValues({"volume_area", "depth"});
    addBool("dynamic_depth_solver", "Use the element depths at edges where the water level jumps more than the depth.")
        .setDefault("yes");
    addReal("geo_min_area_ratio", "Mesh check: elements smaller than this fraction of the mean area are reported.")
        .setDefault("0.05").setMin(0.0);
    addReal("geo_max_angle_quadrilateral", "Mesh check: largest angle between the two halves of a quadrilateral.")
        .setDefault("45").setRange(0.0, 180.0).setUnits("[deg]");
    addReal("geo_min_aspect_ratio", "Mesh check: elements with inradius/circumradius below it are reported.")
        .setDefault("0.06").setRange(0.0, 0.5);
}

}  // namespace FLUMparse
