#include "input/blocks/IRmorphparam2d.h"

#include "input/blocks/IRsedimentChecks.h"

namespace FLUMparse {

IRmorphparam2d::IRmorphparam2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D morphology: the bed material's density and porosity, the bed-load "
                   "control volume (active layer) and the soil layers created by deposition.");
    setExample("PARAMETER {\n"
        "   porosity = 35\n"
        "   density = 2650\n"
        "   control_volume_type = constant\n"
        "   control_volume_thickness = 0.1\n"
        "   create_new_layers = on\n"
        "   max_layer_thickness = 0.5\n"
        "   min_theta_critic = 0.02\n"
        "   local_slope_angle_repose = 32.0\n"
        "}");
}

void IRmorphparam2d::declare() {
    addReal("porosity", "Porosity of the bed material.").setMandatory().setMin(0.0).setMax(100.0, false).setUnits("[%]");
    addReal("density", "Density of the sediment grains rho_s.").setDefault("2650").setMin(0.0, false).setUnits("[kg/m3]");
    addString("control_volume_type", "Thickness of the bed-load control volume (active layer): constant = 'control_volume_thickness'; dmean = 'control_volume_factor' times d90 of the surface mixture; borah = after Borah et al. (1982) from the coarsest class present.").setRestrictedValues({"constant", "dmean", "borah"}).setDefault("constant");
    addReal("control_volume_thickness", "Thickness of the control volume for control_volume_type = constant.").setMin(0.0, false).setUnits("[m]");
    addReal("control_volume_factor", "Thickness of the control volume divided by d90 for control_volume_type = dmean.").setDefault("2.0").setMin(0.0, false).setUnits("[-]");
    addRequiredIf({"control_volume_thickness"}, "control_volume_type", {"constant"});
    addString("create_new_layers", "On deposition start a new soil layer once the top layer reaches 'max_layer_thickness' (on), or thicken the top layer (off).").setRestrictedValues({"on", "off"}).setDefault("off");
    addReal("max_layer_thickness", "Thickness at which a new layer is started; not below the control-volume thickness.").setMin(0.0, false).setUnits("[m]");
    addRequiredIf({"max_layer_thickness"}, "create_new_layers", {"on"});
    addReal("min_theta_critic", "Lower bound of the critical Shields parameter used by the wu, parker and vanrijn formulas.").setDefault("0.02").setMin(0.0).setUnits("[-]");
    addReal("local_slope_angle_repose", "Angle of repose of the bed material, for the slope correction of the critical Shields parameter and the Smart-Jaeggi formulas.").setDefault("30.0").setMin(0.0, false).setMax(90.0, false).setUnits("[deg]");
    addString("strong_coupling", "Repeat the sediment step with the updated bed within the hydraulic step.").setRestrictedValues({"on", "off"}).setDefault("off");
    addInt("strong_coupling_iter", "Iterations of the strong coupling.").setDefault("1").setMin(1);
    addUsedIf({"strong_coupling_iter"}, "strong_coupling", {"on"});
    addTag<IRsedimentCheck>("check_density_porosity", std::vector<std::string>{"density", "porosity"}, &IRsedimentCheck::densityAndPorosity);
    addTag<IRsedimentCheck>("check_layer_thickness", std::vector<std::string>{"max_layer_thickness", "control_volume_thickness", "create_new_layers", "control_volume_type"}, &IRsedimentCheck::layerThickness);
}

}  // namespace FLUMparse
