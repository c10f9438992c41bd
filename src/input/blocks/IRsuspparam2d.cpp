#include "input/blocks/IRsuspparam2d.h"

namespace FLUMparse {

IRsuspparam2d::IRsuspparam2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D suspended load: advection scheme, diffusion, and the closures of the "
                   "exchange with the bed (settling velocity, near-bed concentration, transport type factor).");
    setExample("PARAMETER {\n"
        "   scheme = upwind\n"
        "   diffusion = constant\n"
        "   diffusion_factor = 0.1\n"
        "   sediment_exchange = on\n"
        "   number_susp_fractions = 2\n"
        "   pickup_factors = ( 1.0 0.8 )\n"
        "   sink_velocity_type = wuwang\n"
        "   corey_shape_factor = 0.7\n"
        "   concentration_type = zyserman\n"
        "}");
}

void IRsuspparam2d::declare() {
    addString("scheme", "Advection scheme: first-order upwind (fast, diffusive) or the front-tracking mdpm scheme (accurate, expensive).").setRestrictedValues({"upwind", "mdpm"}).setDefault("upwind");
    addString("diffusion", "Eddy diffusivity: none, constant 'diffusion_factor', or dynamic theta kappa/6 h u*.").setRestrictedValues({"off", "constant", "dynamic"}).setDefault("off");
    addReal("diffusion_factor", "Constant eddy diffusivity.").setDefault("0.1").setMin(0.0).setUnits("[m2/s]");
    addReal("diffusion_factor_dynamic", "theta of the dynamic eddy diffusivity theta kappa/6 h u*.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addUsedIf({"diffusion_factor"}, "diffusion", {"constant"});
    addUsedIf({"diffusion_factor_dynamic"}, "diffusion", {"dynamic"});
    addString("sediment_exchange", "Exchange with the bed (entrainment and deposition); off transports a pollutant.").setRestrictedValues({"on", "off"}).setDefault("off");
    addInt("number_susp_fractions", "Number of suspended classes: the first classes of GRAIN_CLASS.").setDefault("1").setMin(1);
    addBool("use_transport_type_factor", "Split the load into suspended and bed load with the transport type factor.").setDefault("no");
    addString("transport_type_factor", "Transport type factor: van Rijn (1984) or the Bagnold criterion u*/w > 1.").setRestrictedValues({"vanrijn", "bagnold"}).setDefault("vanrijn");
    addUsedIf({"transport_type_factor"}, "use_transport_type_factor", {"yes"});
    addRealList("pickup_factors", "Pick-up factor per suspended class.").setDefault("( 1.0 )").setMin(0.0).setUnits("[-]");
    addReal("factor_depth_reference_height", "Reference height of the near-bed concentration a = factor h.").setDefault("0.1").setMin(0.0, false).setMax(1.0, false).setUnits("[-]");
    addReal("adaption_length_factor", "Multiplies the pick-up rate.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addString("sink_velocity_type", "Settling velocity: van Rijn (1984), Wu & Wang (2006) with the Corey shape factor, or Zhang (1961).").setRestrictedValues({"vanrijn", "wuwang", "zhang"}).setDefault("vanrijn");
    addReal("corey_shape_factor", "Corey shape factor of the grains for sink_velocity_type = wuwang (0.3 to 0.9 typical, 1 a sphere).").setDefault("0.7").setMin(0.0, false).setMax(1.0).setReasonableMin(0.3).setReasonableMax(0.9).setUnits("[-]");
    addString("concentration_type", "Near-bed concentration: van Rijn (1984) or Zyserman & Fredsoe (1994).").setRestrictedValues({"vanrijn", "zyserman"}).setDefault("vanrijn");
    addString("limit_pickup_to_bedload", "Limit the pick-up to the material available to the bed load.").setRestrictedValues({"on", "off"}).setDefault("off");
    addBool("theta_critical_from_bedload", "Take the critical Shields parameter from the last bed-load step (bed load active) instead of computing it without hiding.").setDefault("no");
    addString("local_slope_flowdirection", "Correct the critical Shields parameter for the bed slope along the flow.").setRestrictedValues({"on", "off"}).setDefault("off");
    addString("local_slope_lateral", "Correct the critical Shields parameter for the bed slope across the flow.").setRestrictedValues({"on", "off"}).setDefault("off");
}

}  // namespace FLUMparse
