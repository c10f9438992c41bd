#include "input/blocks/IRcontroller.h"

#include "input/blocks/IRctrlmanipulatedvar.h"
#include "input/blocks/IRctrlmonitoredvar.h"

namespace FLUMparse {

IRcontroller::IRcontroller() : InputBlock("CONTROLLER") {
    setDescription(
        "A feedback controller that steers structures so that monitored values follow their targets, for example "
        "a gate that holds the water level upstream of a weir. "
        "Each MONITORED_VARIABLE measures a water level or discharge at a STRINGDEF (2-D) or cross section (1-D) "
        "and compares it with its target; each MANIPULATED_VARIABLE is a gate or weir level, or a discharge, that "
        "the controller moves within its range and change rate. "
        "PID computes the change from the deviation with the coefficients of the monitored variable; "
        "HID takes the values from the user. "
        "Not computed by this version: a command file with a CONTROLLER block stops with a message.");
    setExample("CONTROLLER {\n"
        "   name = weir_control\n"
        "   type = PID\n"
        "   output = yes\n"
        "   output_time_step = 60\n"
        "   MONITORED_VARIABLE {\n"
        "      name = upstream_level\n"
        "      type = wse\n"
        "      position = reach.gauge_km12\n"
        "      root_value = 402.5\n"
        "      coefficients = ( weir_crest ( 0.5 0.01 0.0 ) )\n"
        "   }\n"
        "   MANIPULATED_VARIABLE {\n"
        "      name = weir_crest\n"
        "      position = reach.weir\n"
        "      start_value = 401.0\n"
        "      max_change_rate = 0.001\n"
        "      range = ( 399.5 402.0 )\n"
        "   }\n"
        "}");
}

void IRcontroller::declare() {
    addString("name", "Name of the controller; its output file is controller_ followed by this name and .txt.").setMandatory();
    addString("type", "Control strategy: PID (proportional, integral and derivative feedback) or HID (values set by the user).").setMandatory().setRestrictedValues({"HID", "PID"});
    addBool("output", "Write the deviations and manipulated values over time to the controller's output file.").setDefault("no");
    addReal("output_time_step", "Interval of the controller output; 0 writes every update.").setDefault("0.0").setUnits("[s]");
    addUsedIf({"output_time_step"}, "output", {"yes"});
    addBlock<IRctrlmonitoredvar>(Mandatory, Repeatable);
    addBlock<IRctrlmanipulatedvar>(Mandatory, Repeatable);
}

}  // namespace FLUMparse
