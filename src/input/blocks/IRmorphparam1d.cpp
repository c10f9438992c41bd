#include "input/blocks/IRmorphparam1d.h"

#include "input/blocks/IRsedimentChecks.h"

namespace FLUMparse {

IRmorphparam1d::IRmorphparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D morphology: the bed material's density and porosity, the bed-load "
                   "control volume (active layer), the soil layers created by deposition and the rebuilding of "
                   "the cross-section tables.");
    setExample("PARAMETER {\n"
        "   porosity = 30\n"
        "   density = 2650\n"
        "   control_volume_type = dmean\n"
        "   control_volume_factor = 2.0\n"
        "   max_dz_table = 0.05\n"
        "}");
}

void IRmorphparam1d::declare() {
    addReal("porosity", "Porosity of the bed material.").setMandatory().setMin(0.0).setMax(100.0, false).setUnits("[%]");
    addReal("density", "Density of the sediment grains rho_s.").setDefault("2650").setMin(0.0, false).setUnits("[kg/m3]");
    addReal("wetting_fraction", "A soil counts as wetted when this fraction of its level difference lies below the water level.").setDefault("0.5").setRange(0.0, 1.0).setUnits("[-]");
    addString("control_volume_type", "Thickness of the bed-load control volume (active layer): constant = 'control_volume_thickness'; dmean = 'control_volume_factor' times d90 of the surface mixture; borah = after Borah et al. (1982) from the coarsest class present.").setRestrictedValues({"constant", "dmean", "borah"}).setDefault("constant");
    addReal("control_volume_thickness", "Thickness of the control volume for control_volume_type = constant.").setMin(0.0, false).setUnits("[m]");
    addReal("control_volume_factor", "Thickness of the control volume divided by d90 for control_volume_type = dmean.").setDefault("2.0").setMin(0.0, false).setUnits("[-]");
    addRequiredIf({"control_volume_thickness"}, "control_volume_type", {"constant"});
    addReal("max_dz_table", "Bed change after which a section's tables are rebuilt; 0 rebuilds them every step.").setDefault("0.0").setMin(0.0).setUnits("[m]");
    addString("create_new_layers", "On deposition start a new soil layer once the top layer reaches 'max_layer_thickness' (on), or thicken the top layer (off).").setRestrictedValues({"on", "off"}).setDefault("off");
    addReal("max_layer_thickness", "Thickness at which a new layer is started; not below the control-volume thickness.").setMin(0.0, false).setUnits("[m]");
    addRequiredIf({"max_layer_thickness"}, "create_new_layers", {"on"});
    addReal("min_theta_critic", "Lower bound of the critical Shields parameter.").setDefault("0.02").setMin(0.0).setUnits("[-]");
    addTag<IRsedimentCheck>("check_density_porosity", std::vector<std::string>{"density", "porosity"}, &IRsedimentCheck::densityAndPorosity);
    addTag<IRsedimentCheck>("check_layer_thickness", std::vector<std::string>{"max_layer_thickness", "control_volume_thickness", "create_new_layers", "control_volume_type"}, &IRsedimentCheck::layerThickness);
}

}  // namespace FLUMparse
