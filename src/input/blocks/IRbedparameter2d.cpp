#include "input/blocks/IRbedparameter2d.h"

#include "input/blocks/IRsedimentChecks.h"

namespace FLUMparse {

IRbedparameter2d::IRbedparameter2d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 2-D bed load: the transport formula and its constants, the critical "
                   "Shields parameter, upwinding, bed forms, slope corrections and lateral transport. "
                   "Single-grain runs use mpm, rickenmann, smartjaeggi, vanrijn or power_law; multi-grain runs "
                   "mpmh, mpm_multi, parker, smartjaeggi_multi or wu.");
    setExample("PARAMETER {\n"
        "   bedload_transport = mpm\n"
        "   bedload_factor = 1.0\n"
        "   theta_critical = ( 0.047 0.06 )\n"
        "   theta_critical_index = ( 1 2 )\n"
        "   upwind = ( 0.6 )\n"
        "   upwind_index = ( 1 )\n"
        "   bedforms_type = no_bedforms\n"
        "   local_slope_flowdirection = on\n"
        "   lateral_transport = on\n"
        "   lateral_transport_factor = 2.05\n"
        "   lateral_transport_exponent = 0.5\n"
        "}");
}

void IRbedparameter2d::declare() {
    const std::vector<std::string> formulas = {"mpm", "mpmh", "mpm_multi", "parker", "power_law", "powerlaw", "rickenmann", "smartjaeggi", "smartjaeggi_multi", "vanrijn", "wu"};
    addString("bedload_transport", "Bed-load transport formula: mpm (Meyer-Peter & Mueller 1948), mpmh (Hunziker 1995), mpm_multi (with Ashida-Michiue hiding), parker (Parker 1990), power_law (a u^b; also written powerlaw), rickenmann (Rickenmann 2001), smartjaeggi and smartjaeggi_multi (Smart & Jaeggi 1983), vanrijn (van Rijn 1984), wu (Wu, Wang & Jia 2000).").setRestrictedValues(formulas).setMandatory();
    addReal("bedload_factor", "Multiplies the transport capacity (0.5 with mpm gives the magnitude of Wong & Parker 2006).").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addRealList("theta_critical", "Constant critical Shields parameter instead of the Shields curve: one value for the whole mesh, or one per entry of 'theta_critical_index'. Without it: the Shields curve, 0.03 for wu, 0.0386 for parker.").setMin(0.0).setUnits("[-]");
    addIntList("theta_critical_index", "Material indices of the values of 'theta_critical'.");
    addTag<IRsedimentCheck>("check_theta_critical", std::vector<std::string>{"theta_critical", "theta_critical_index"}, &IRsedimentCheck::thetaCriticalLists);
    addReal("critical_shear_stress_calibration", "Factor on the critical Shields parameter of the Shields curve.").setDefault("1.0").setMin(0.0, false).setUnits("[-]");
    addReal("hiding_exponent", "Hiding-exposure exponent; the default stands for the formula's own value (-1.5 mpmh, -0.6 wu).").setDefault("-1E10").setUnits("[-]");
    addReal("power_law_a", "a of the power law q = a u^b.").setDefault("1.0").setMin(0.0);
    addReal("power_law_b", "b of the power law q = a u^b.").setDefault("1.0").setMin(0.0).setUnits("[-]");
    addReal("alpha", "Replaces (d90/d30)^0.2 in the multi-grain Smart-Jaeggi formula.").setDefault("1.05").setMin(0.0, false).setUnits("[-]");
    addReal("d90", "d90 of the bed material, for rickenmann, smartjaeggi and vanrijn.").setMin(0.0, false).setUnits("[mm]");
    addReal("d30", "d30 of the bed material, for rickenmann and smartjaeggi.").setMin(0.0, false).setUnits("[mm]");
    addRequiredIf({"d90", "d30"}, "bedload_transport", {"rickenmann", "smartjaeggi"});
    addRequiredIf({"d90"}, "bedload_transport", {"vanrijn"});
    addRealList("upwind", "Upwind factor of the face fluxes per entry of 'upwind_index': 1 takes the upstream value, 0.5 the mean.").setDefault("( 0.6 )").setMin(0.0, false).setMax(1.0).setUnits("[-]");
    addIntList("upwind_index", "Material indices of the values of 'upwind'; without it the first value applies everywhere.");
    addString("bedforms_type", "Bed-form reduction of the bed shear stress: none, after Meyer-Peter & Mueller, or user-defined factors per material index.").setRestrictedValues({"no_bedforms", "mpm_bedforms", "user_defined_bedforms"}).setDefault("no_bedforms");
    addIntList("bedforms_index", "Material indices of the values of 'bedforms_factor'.");
    addRealList("bedforms_factor", "Bed-form reduction factor (<= 1) per entry of 'bedforms_index'.").setRange(0.0, 1.0).setUnits("[-]");
    addRequiredIf({"bedforms_index", "bedforms_factor"}, "bedforms_type", {"user_defined_bedforms"});
    addString("local_slope_flowdirection", "Correct the critical Shields parameter for the bed slope along the flow.").setRestrictedValues({"on", "off"}).setDefault("off");
    addString("local_slope_lateral", "Correct the critical Shields parameter for the bed slope across the flow.").setRestrictedValues({"on", "off"}).setDefault("off");
    addReal("bedload_routing_start", "Time at which bed-load transport starts.").setDefault("0.0").setMin(0.0).setUnits("[s]");
    addString("limit_bedload_wetted", "Transport only in sediment cells surrounded by fully wetted elements.").setRestrictedValues({"on", "off"}).setDefault("on");
    addString("lateral_transport", "Transverse transport on lateral slopes after Ikeda (1982).").setRestrictedValues({"on", "off"}).setDefault("on");
    addReal("lateral_transport_factor", "E of the lateral transport q_n = E (theta_cr/theta)^n S_n q (typically 1.4 to 2.7).").setDefault("2.05").setMin(0.0).setUnits("[-]");
    addReal("lateral_transport_exponent", "n of the lateral transport (typically 0 to 1).").setDefault("0.5").setMin(0.0).setUnits("[-]");
    addBool("scale_lateral_transport", "Lateral transport changes only the direction of the bed load, not its magnitude.").setDefault("no");
    addUsedIf({"lateral_transport_factor", "lateral_transport_exponent", "scale_lateral_transport"}, "lateral_transport", {"on"});
    addString("use_real_edge_lengths", "Use the 3-D instead of the plan lengths of the sediment faces.").setRestrictedValues({"on", "off"}).setDefault("off");
    addString("use_cell_averaged_bedload_flux", "Average the bed load in the sediment cells (upwinding possible) or project it directly on the faces.").setRestrictedValues({"on", "off"}).setDefault("on");
}

}  // namespace FLUMparse
