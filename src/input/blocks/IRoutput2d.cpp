#include "input/blocks/IRoutput2d.h"

#include "input/blocks/IRspecout2d.h"

namespace FLUMparse {

IRoutput2d::IRoutput2d() : InputBlock("OUTPUT") {
    setDescription(
        "Output of the 2-D subdomain: the default interval of its result files, the console progress line, "
        "restart files and the reference date of SMS files. "
        "Each result file is a SPECIAL_OUTPUT block; file names start with the region_name. "
        "A restart file (region_name followed by _restart.cgns) is written at the end of the run, and every "
        "restart_time_step seconds when that is set; "
        "INITIAL type = continue starts a later run from it. "
        "Very short output intervals on large meshes slow a run down and fill the disk.");
    setExample("OUTPUT {\n"
        "   output_time_step = 3600\n"
        "   console_time_step = 600\n"
        "   restart_time_step = 21600\n"
        "   reference_time = 01-06-2013-00-00-00\n"
        "   SPECIAL_OUTPUT {\n"
        "      type = element_centered\n"
        "      format = vtk\n"
        "      values = ( depth velocity wse max[depth] )\n"
        "   }\n"
        "   SPECIAL_OUTPUT {\n"
        "      type = stringdef_history\n"
        "      output_time_step = 300\n"
        "      stringdefs = ( outflow )\n"
        "      stringdef_values = ( Q wse )\n"
        "   }\n"
        "}");
}

void IRoutput2d::declare() {
    addReal("output_time_step", "Interval of the subdomain's outputs that give no interval of their own; 0 writes every time step.").setDefault("100.0").setMin(0.0).setUnits("[s]");
    addReal("console_time_step", "Interval of the console line with time, time step and subdomain name; no line when not given.").setMin(0.0).setUnits("[s]");
    addReal("restart_time_step", "Interval of restart solutions; the default writes only the last step.").setDefault("1E32").setMin(0.0, false).setUnits("[s]");
    addString("reference_time", "Start of the simulation as DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS (six values separated by hyphens), used for SMS files.");
    addBlock<IRspecout2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
