#include "input/blocks/IRcontroller.h"

#include "input/blocks/IRctrlmanipulatedvar.h"
#include "input/blocks/IRctrlmonitoredvar.h"

namespace FLUMparse {

IRcontroller::IRcontroller() : InputBlock("CONTROLLER") {
    setDescription("A feedback controller that steers structures so that monitored values follow their targets.");
    setExample("CONTROLLER {\n"
        "   name = gate_control\n"
        "   type = PID\n"
        "   MONITORED_VARIABLE {\n"
        "      name = level\n"
        "      type = wse\n"
        "      position = river.km12\n"
        "      root_value = 402.5\n"
        "      coefficients = ( gate ( 0.5 0.01 0.0 ) )\n"
        "   }\n"
        "   MANIPULATED_VARIABLE {\n"
        "      name = gate\n"
        "      position = river.weir\n"
        "      start_value = 1.0\n"
        "   }\n"
        "}");
}

void IRcontroller::declare() {
    addString("name", "Name of the controller.").setMandatory();
    addString("type", "Control strategy.").setMandatory().setRestrictedValues({"HID", "PID"});
    addBool("output", "Write the controller values to a file.").setDefault("no");
    addReal("output_time_step", "Interval of the output.").setDefault("0.0").setUnits("[s]");
    addUsedIf({"output_time_step"}, "output", {"yes"});
    addBlock<IRctrlmonitoredvar>(Mandatory, Repeatable);
    addBlock<IRctrlmanipulatedvar>(Mandatory, Repeatable);
}

}  // namespace FLUMparse
