#include "input/blocks/IRoutput2d.h"

#include "input/blocks/IRspecout2d.h"

namespace FLUMparse {

IRoutput2d::IRoutput2d() : InputBlock("OUTPUT") {
    setDescription("Output of the 2-D subdomain.");
    setExample("OUTPUT {\n"
        "}");
}

void IRoutput2d::declare() {
    addReal("output_time_step", "Interval of the subdomain's outputs that give no interval of their own; 0 writes every time step.").setDefault("100.0").setMin(0.0).setUnits("[s]");
    addReal("console_time_step", "Interval of the console line with time, time step and subdomain name.").setMin(0.0).setUnits("[s]");
    addReal("restart_time_step", "Interval of restart solutions; the default writes only the last step.").setDefault("1E32").setMin(0.0, false).setUnits("[s]");
    addString("reference_time", "Start of the simulation as DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS (six values separated by hyphens), used for SMS files.");
    addBlock<IRspecout2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
