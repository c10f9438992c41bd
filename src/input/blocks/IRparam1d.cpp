#include "input/blocks/IRparam1d.h"

#include "input/blocks/IRsect_comp1d.h"

namespace FLUMparse {

IRparam1d::IRparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D hydraulic solver: wet/dry threshold, flux scheme, time integration and the evaluation of the cross sections.");
    setExample(
        "PARAMETER {\n"
        "   minimum_water_depth = 0.0001\n"
        "   riemann_solver = roe\n"
        "   simulation_scheme = explicit\n"
        "   SECTION_COMPUTATION {\n"
        "      type = table\n"
        "      min_interval = 0.05\n"
        "      max_interval = 0.2\n"
        "   }\n"
        "}");
}

void IRparam1d::declare() {
    addReal("minimum_water_depth", "Depth below which an element counts as dry.").setDefault("0.0001").setMin(0.0, false).setUnits("[m]");
    addBool("stretch_boundary_elem", "The two boundary elements count with double length in the time-step rule.").setDefault("yes");
    addString("riemann_solver", "Flux of the inner edges: roe (recommended) or upwind.").setDefault("roe").setRestrictedValues({"roe", "upwind"});
    addString("simulation_scheme", "Time integration: explicit finite volumes or the implicit Newton scheme.")
        .setDefault("explicit").setRestrictedValues({"explicit", "implicit"});
    addReal("theta", "Implicit weighting: 1 fully implicit, 0.5 half of the old level.").setDefault("1.0").setRange(0.0, 1.0).setReasonableMin(0.5);
    addReal("truncation_interval_area", "Accepted change of the wetted area between two Newton iterations.").setDefault("0.001").setMin(0.0, false).setUnits("[m2]");
    addReal("truncation_interval_discharge", "Accepted change of the discharge between two Newton iterations.").setDefault("0.001").setMin(0.0, false).setUnits("[m3/s]");
    addInt("iteration_number", "Newton iterations per implicit step (the solver uses at most 10).").setDefault("10").setMin(1);
    addInt("try_limit", "How many times a failed implicit step may be shortened.").setDefault("5").setMin(0);
    addReal("time_step_reduction", "Fraction by which a failed implicit step is shortened; 0 keeps the step.").setDefault("0.2").setMin(0.0).setMax(1.0, false);
    addUsedIf({"theta", "truncation_interval_area", "truncation_interval_discharge", "iteration_number", "try_limit", "time_step_reduction"},
              "simulation_scheme", {"implicit"});
    addBlock<IRsect_comp1d>(Optional, Single);
}

}  // namespace FLUMparse
