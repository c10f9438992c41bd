#include "input/blocks/IRtimestep2d.h"

namespace FLUMparse {

IRtimestep2d::IRtimestep2d() : InputBlock("TIMESTEP") {
    setDescription(
        "Time stepping of the 2-D subdomain; required to run, with at least total_run_time. "
        "The explicit scheme takes the largest stable step from the Courant condition (CFL, at most 1) over all "
        "wet elements, so small or deep elements control the step; maximum_time_step caps it and "
        "initial_time_step caps the first step, when no water moves yet. minimum_time_step only warns once when "
        "the step falls below it, which usually points to a tiny or badly shaped element named in the warning. "
        "Times are simulation seconds from start_time; a run that continues from a restart file starts at the "
        "stored time unless start_time is given.");
    setExample("TIMESTEP {\n"
        "   CFL = 0.9\n"
        "   total_run_time = 86400\n"
        "   maximum_time_step = 10.0\n"
        "   initial_time_step = 0.5\n"
        "   minimum_time_step = 0.001\n"
        "}");
}

void IRtimestep2d::declare() {
    addReal("CFL", "Courant number of the explicit scheme; above 1 the explicit step is unstable.").setDefault("1.0").setMin(0.0, false).setMax(1.0);
    addReal("minimum_time_step", "A time step below it is reported once (warning only).").setDefault("0.001").setMin(0.0).setUnits("[s]");
    addReal("maximum_time_step", "Upper bound of the time step.").setDefault("100.0").setMin(0.0, false).setUnits("[s]");
    addReal("initial_time_step", "Upper bound of the first time step.").setDefault("1.0").setMin(0.0, false).setUnits("[s]");
    addReal("total_run_time", "End of the simulation.").setMandatory().setUnits("[s]");
    addReal("start_time", "Start of the simulation; negative: the restart time, or 0.").setDefault("-1.0").setUnits("[s]");
    addBool("ignore_wave_celerity", "Take the wave celerity from maximum_waterdepth instead of the local depth.").setDefault("no");
    addReal("maximum_waterdepth", "Depth of the wave celerity with ignore_wave_celerity.").setDefault("0.0").setMin(0.0).setUnits("[m]");
    addString("morph_cycle", "Cycling of hydraulic and sediment steps: off, constant or dynamic.").setDefault("off")
        .setRestrictedValues({"off", "constant", "dynamic"});
    addReal("cycle_step", "Sediment steps per hydraulic step with morph_cycle = constant.").setDefault("1.0").setMin(1.0);
    addSeriesFile("cycle_step_file", "Time series of the cycle step with morph_cycle = dynamic.");
    addRequiredIf({"cycle_step_file"}, "morph_cycle", {"dynamic"});
}

}  // namespace FLUMparse
