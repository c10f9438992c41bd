#include "input/blocks/IRsuspparam1d.h"

namespace FLUMparse {

IRsuspparam1d::IRsuspparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D suspended load: advection scheme, diffusion, and the closures of the "
                   "exchange with the bed (settling velocity, near-bed concentration, transport type factor).");
    setExample("PARAMETER {\n"
        "   scheme = quickest\n"
        "   diffusion_factor = 0.5\n"
        "   sediment_exchange = on\n"
        "   sink_velocity_type = zhang\n"
        "   concentration_type = zysermann\n"
        "   exchange_type = concentrations\n"
        "}");
}

void IRsuspparam1d::declare() {
    addString("scheme", "Advection scheme: modified discontinuous profile method, QUICK, QUICKEST or Holly-Preissmann.").setRestrictedValues({"mdpm", "quick", "quickest", "holly"}).setDefault("quickest");
    addReal("diffusion_factor", "Constant eddy diffusivity.").setDefault("0.0").setMin(0.0).setUnits("[m2/s]");
    addReal("diffusion_factor_dynamic", "theta of the dynamic eddy diffusivity theta kappa/6 h u*; 0 uses 'diffusion_factor'.").setDefault("0.0").setMin(0.0).setUnits("[-]");
    addString("sediment_exchange", "Exchange with the bed (only with quick and quickest).").setRestrictedValues({"on", "off"}).setDefault("off");
    addBool("use_transport_type_factor", "Split the load into suspended and bed load with the transport type factor.").setDefault("no");
    addString("transport_type_factor", "Transport type factor: van Rijn (1984) or the Bagnold criterion u*/w > 1.").setRestrictedValues({"vanrijn", "bagnold"}).setDefault("vanrijn");
    addUsedIf({"transport_type_factor"}, "use_transport_type_factor", {"yes"});
    addRealList("pickup_factor", "Pick-up factor per suspended class.").setDefault("( 1.0 )").setMin(0.0).setUnits("[-]");
    addString("sink_velocity_type", "Settling velocity: van Rijn (1984), Wu & Wang (2006) with the Corey shape factor, or Zhang (1961).").setRestrictedValues({"vanrijn", "wuwang", "zhang"}).setDefault("vanrijn");
    addReal("shape_factor", "Corey shape factor of the grains for sink_velocity_type = wuwang (0.3 to 0.9 typical, 1 a sphere).").setDefault("0.7").setMin(0.0, false).setMax(1.0).setReasonableMin(0.3).setReasonableMax(0.9).setUnits("[-]");
    addString("exchange_type", "Exchange rate from reference concentrations or from shear stresses.").setRestrictedValues({"concentrations", "shear_stresses"}).setDefault("concentrations");
    addString("concentration_type", "Near-bed concentration: van Rijn (1984) or Zyserman & Fredsoe (1994), also written zysermann.").setRestrictedValues({"vanrijn", "zyserman", "zysermann"}).setDefault("vanrijn");
    addReal("factor_depth_reference_height", "Reference height of the near-bed concentration a = factor h.").setDefault("0.1").setMin(0.0, false).setMax(1.0, false).setUnits("[-]");
    addString("local_slope", "Correct the critical Shields parameter for the bed slope.").setRestrictedValues({"on", "off"}).setDefault("off");
}

}  // namespace FLUMparse
