#include "input/blocks/IRbedparameter1d.h"

namespace FLUMparse {

IRbedparameter1d::IRbedparameter1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D bed load: the transport formula and its constants, the critical "
                   "Shields parameter, upwinding, bed forms and slope corrections. Single-grain runs use mpm, "
                   "rickenmann, smartjaeggi, vanrijn or powerlaw; multi-grain runs mpmh, mpm_multi, parker, "
                   "smartjaeggi_multi or wu.");
    setExample("PARAMETER {\n"
        "   bedload_transport = smartjaeggi\n"
        "   d90 = 45.0\n"
        "   d30 = 12.0\n"
        "   upwind = 0.75\n"
        "   angle_of_repose = 32.0\n"
        "   use_energy_slope = on\n"
        "   velocity_area = main\n"
        "}");
}

void IRbedparameter1d::declare() {
    const std::vector<std::string> formulas = {"mpm", "mpmh", "mpm_multi", "parker", "power_law", "powerlaw", "rickenmann", "smartjaeggi", "smartjaeggi_multi", "vanrijn", "wu"};
    addString("bedload_transport", "Bed-load transport formula: mpm (Meyer-Peter & Mueller 1948), mpmh (Hunziker 1995), mpm_multi (with Ashida-Michiue hiding), parker (Parker 1990), powerlaw (a u^b; also written power_law), rickenmann (Rickenmann 2001), smartjaeggi and smartjaeggi_multi (Smart & Jaeggi 1983), vanrijn (van Rijn 1984), wu (Wu, Wang & Jia 2000).").setRestrictedValues(formulas).setMandatory();
    addReal("bedload_factor", "Multiplies the transport capacity.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addReal("theta_critical", "Constant critical Shields parameter; negative: from the Shields curve (0.03 for wu, 0.0386 for parker). A section's own 'theta_critic' of the geometry file takes precedence.").setDefault("-1.0").setUnits("[-]");
    addReal("critical_shear_stress_calibration", "Factor on the critical Shields parameter of the Shields curve.").setDefault("1.0").setMin(0.0, false).setUnits("[-]");
    addReal("hiding_exponent", "Hiding-exposure exponent; the default stands for the formula's own value (-1.5 mpmh, -0.6 wu).").setDefault("-1E10").setUnits("[-]");
    addReal("power_law_a", "a of the power law q = a u^b.").setDefault("1.0").setMin(0.0);
    addReal("power_law_b", "b of the power law q = a u^b.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addReal("alpha", "Replaces (d90/d30)^0.2 in the multi-grain Smart-Jaeggi formula.").setDefault("1.05").setMin(0.0, false).setUnits("[-]");
    addReal("d90", "d90 of the bed material, for rickenmann, smartjaeggi and vanrijn.").setMin(0.0, false).setUnits("[mm]");
    addReal("d30", "d30 of the bed material, for rickenmann and smartjaeggi.").setMin(0.0, false).setUnits("[mm]");
    addRequiredIf({"d90", "d30"}, "bedload_transport", {"rickenmann", "smartjaeggi"});
    addRequiredIf({"d90"}, "bedload_transport", {"vanrijn"});
    addReal("upwind", "Share of the edge flux taken from the upstream section: 1 upstream only, 0.5 the mean.").setDefault("1.0").setRange(0.5, 1.0).setUnits("[-]");
    addReal("angle_of_repose", "Angle of repose, for the slope correction of the critical Shields parameter and the Smart-Jaeggi formulas.").setDefault("30.0").setMin(0.0, false).setMax(90.0, false).setUnits("[deg]");
    addReal("bed_forms", "Factor (<= 1) from the Shields parameter to the effective one; negative: determined dynamically.").setDefault("1.0").setMax(1.0).setUnits("[-]");
    addString("local_slope", "Correct the critical Shields parameter for the bed slope.").setRestrictedValues({"on", "off"}).setDefault("off");
    addString("use_energy_slope", "Slope of the Smart-Jaeggi formulas from the energy line (on) or the bed (off).").setRestrictedValues({"on", "off"}).setDefault("off");
    addString("abrasion", "Reduce the transported volume by the section's Sternberg factor, V = V0 exp(s dx).").setRestrictedValues({"on", "off"}).setDefault("off");
    addInt("hydro_step", "Hydraulics recomputed only every n sediment steps.").setDefault("1").setMin(1);
    addString("velocity_area", "Area for u = Q/A in the formulas: the whole flowing area, the bottom zone or the main channel.").setRestrictedValues({"general", "bottom", "main"}).setDefault("general");
}

}  // namespace FLUMparse
