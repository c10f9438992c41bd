#include "input/blocks/IRtimestep1d.h"

namespace FLUMparse {

IRtimestep1d::IRtimestep1d() : InputBlock("TIMESTEP") {
    setDescription("Time stepping of the 1-D subdomain: the run time, and the Courant number and step bounds of the explicit scheme; the implicit scheme may take steps far above the explicit limit.");
    setExample(
        "TIMESTEP {\n"
        "   CFL = 0.9\n"
        "   maximum_time_step = 100.0\n"
        "   initial_time_step = 1.0\n"
        "   total_run_time = 86400\n"
        "}");
}

void IRtimestep1d::declare() {
    addReal("CFL", "Courant number: 0.5 to 1 for the explicit scheme, up to 2 for implicit hydraulics with bed load.")
        .setDefault("0.9").setMin(0.0, false).setMax(2.0).setReasonableMax(1.0);
    addReal("maximum_time_step", "Upper bound of the time step.").setDefault("100.0").setMin(0.0, false).setUnits("[s]");
    addReal("initial_time_step", "Explicit: the step before the first one (boundary checks); implicit: the time step.")
        .setDefault("1.0").setMin(0.0, false).setUnits("[s]");
    addReal("total_run_time", "End of the simulation.").setMandatory().setMin(0.0, false).setUnits("[s]");
    addReal("start_time", "Start of the simulation; negative: the time of the restart file if one is given, else 0.").setDefault("-1.0").setUnits("[s]");
}

}  // namespace FLUMparse
