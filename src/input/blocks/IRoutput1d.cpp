#include "input/blocks/IRoutput1d.h"

#include "input/blocks/IRspecout1d.h"

namespace FLUMparse {

IRoutput1d::IRoutput1d() : InputBlock("OUTPUT") {
    setDescription("Output of the 1-D subdomain: the default profile output, the console line, restart files and special outputs.");
    setExample(
        "OUTPUT {\n"
        "   output_time_step = 600\n"
        "   console_time_step = 60\n"
        "   restart_time_step = 3600\n"
        "   SPECIAL_OUTPUT {\n"
        "      type = monitor\n"
        "      cross_sections = ( km_12.300 km_12.600 )\n"
        "      Q = ( time max )\n"
        "      wse = ( time max )\n"
        "   }\n"
        "}");
}

void IRoutput1d::declare() {
    addReal("output_time_step", "Interval of the default output, and of the special outputs that give none.").setDefault("100.0").setMin(0.0).setUnits("[s]");
    addReal("console_time_step", "Interval of the time line on the console.").setDefault("10.0").setMin(0.0).setUnits("[s]");
    addReal("restart_time_step", "Interval at which the restart files are rewritten; the default writes the last state only.").setDefault("1E32").setMin(0.0, false).setUnits("[s]");
    addBlock<IRspecout1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
