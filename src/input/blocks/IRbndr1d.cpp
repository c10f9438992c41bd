#include "input/blocks/IRbndr1d.h"

namespace FLUMparse {

IRbndr1d::IRbndr1d() : InputBlock("BOUNDARY") {
    setDescription("A boundary condition at one end of the 1-D chain. Several blocks at the same end add their fluxes (e.g. a gate and two weirs at the outlet); an end without one is a wall.");
    setExample(
        "BOUNDARY {\n"
        "   name = inflow\n"
        "   string = upstream\n"
        "   type = hydrograph\n"
        "   file = hydrograph.txt\n"
        "   slope = 2.5\n"
        "}");
}

void IRbndr1d::declare() {
    addString("name", "Unique name, used by controllers and couplings.").setMandatory().setOneWord();
    addString("string", "The end: upstream (first section of cross_section_order) or downstream (last).")
        .setMandatory().setRestrictedValues({"upstream", "downstream"});
    addString("type", "Kind of boundary; the coupling_ forms take their driving value or tailwater level from a coupling.")
        .setMandatory()
        .setRestrictedValues({"hydrograph", "zero_gradient", "weir", "wall", "gate", "hqrelation", "zhydrograph",
                              "coupling_connection", "coupling_hydrograph", "coupling_zero_gradient", "coupling_weir",
                              "coupling_gate", "coupling_hqrelation", "coupling_zhydrograph"});
    addSeriesFile("file", "Series: discharge over time (hydrograph), discharge over water-surface elevation (hqrelation), water level over time (zhydrograph).");
    addReal("precision", "Accepted discharge error of the normal-depth iteration of a hydrograph.").setDefault("0.0001").setMin(0.0, false).setUnits("[m3/s]");
    addInt("number_of_iterations", "Iteration limit of the normal-depth level of a hydrograph.").setDefault("100").setMin(1);
    addReal("level", "Weir crest or gate bottom level.").setUnits("[m]");
    addSeriesFile("level_file", "Weir crest or gate bottom level over time.");
    addExclusive({"level", "level_file"});
    addReal("width", "Weir crest or gate width.").setMin(0.0).setUnits("[m]");
    addSeriesFile("width_file", "Weir crest or gate width over time.");
    addExclusive({"width", "width_file"});
    addReal("embankement_slope", "Side slope of a symmetric weir (horizontal over vertical); 999 means rectangular.").setDefault("999").setMin(0.0, false).setUnits("[-]");
    addReal("poleni_factor", "Weir factor; negative: from the flow.").setDefault("0.65").setUnits("[-]");
    addReal("contraction_factor", "Contraction of the gate opening.").setDefault("0.62").setRange(0.0, 1.0).setUnits("[-]");
    addReal("gate_elevation", "Top of the gate opening.").setUnits("[m]");
    addSeriesFile("gate_file", "Top of the gate opening over time.");
    addExclusive({"gate_elevation", "gate_file"});
    addReal("slope", "Channel slope for the normal depth of a supercritical hydrograph and of an h-Q relation without file.").setMin(0.0, false).setUnits("[per mill]");
    addReal("zhyd_relaxation_tau", "Relaxation time of the water-level boundary.").setDefault("10.0").setMin(0.0, false).setUnits("[s]");
    addReal("max_momentum_flux", "Upper limit of the momentum flux of the water-level boundary.").setMin(0.0).setUnits("[m4/s2]");
    addRequiredIf({"slope"}, "type", {"hydrograph", "coupling_hydrograph"});
    addUsedIf({"embankement_slope", "poleni_factor"}, "type", {"weir", "coupling_weir"});
    addUsedIf({"contraction_factor", "gate_elevation", "gate_file"}, "type", {"gate", "coupling_gate"});
    addUsedIf({"zhyd_relaxation_tau", "max_momentum_flux"}, "type", {"zhydrograph", "coupling_zhydrograph"});
}

}  // namespace FLUMparse
