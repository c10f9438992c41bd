#include "input/blocks/IRctrlmonitoredvar.h"

namespace FLUMparse {

IRctrlmonitoredvar::IRctrlmonitoredvar() : InputBlock("MONITORED_VARIABLE") {
    setDescription(
        "A quantity the controller watches and the target it should follow: the water level (wse) or discharge "
        "(Q) at position region.name, a STRINGDEF of a 2-D region or a cross section of a 1-D region. "
        "The target (root value) is fixed or read from a series file; the deviation measured minus target drives "
        "the strategy. delay and time_average_sec model a gauge that reports late or smoothed values. "
        "For PID, coefficients gives per MANIPULATED_VARIABLE its name and three factors (proportional, integral, "
        "derivative); mind the sign, since a positive deviation with positive factors raises the manipulated "
        "value. "
        "Not computed by this version: a command file with a CONTROLLER block stops with a message.");
    setExample("MONITORED_VARIABLE {\n"
        "   name = upstream_level\n"
        "   type = wse\n"
        "   position = reach.gauge_km12\n"
        "   root_value_type = time_series\n"
        "   root_value_series_file = series/target_level.txt\n"
        "   delay = 60\n"
        "   time_average_sec = 300\n"
        "   coefficients = ( weir_crest ( 0.5 0.01 0.0 ) )\n"
        "}");
}

void IRctrlmonitoredvar::declare() {
    addString("name", "Name of the monitored variable, used in the controller output.").setMandatory();
    addTag<InputTagTaggedList<double>>("coefficients", "Per manipulated variable its name and a sublist of coefficients (PID: proportional, integral, derivative).");
    addTag<InputTagEnum<MonitorVarType>>("type", "Monitored quantity: wse (water-surface elevation [m]) or Q (discharge [m3/s]).", std::vector<std::pair<std::string, MonitorVarType>>{{"wse", MonitorVarType::WSE}, {"Q", MonitorVarType::Q}}).setMandatory();
    addTag<InputTagEnum<RootValueType>>("root_value_type", "Kind of the target: fixed_value (root_value), time_series (target over time) or discharge_series / discharge_time_table (read from a table with a named discharge column).", std::vector<std::pair<std::string, RootValueType>>{{"fixed_value", RootValueType::FixedValue}, {"time_series", RootValueType::TimeSeries}, {"discharge_series", RootValueType::DischargeSeries}, {"discharge_time_table", RootValueType::DischargeTimeTable}}).setDefault("fixed_value");
    addReal("root_value", "Fixed target value, in the unit of the monitored quantity.").setDefault("0.0");
    addSeriesFile("root_value_series_file", "Series file of the target value (time [s] and value, or the table named by root_value_qseries_varname).");
    addString("root_value_qseries_varname", "Name of the discharge column in the target table.");
    addPosition("position", "Where the value is measured: region.name with a STRINGDEF (2-D) or cross section (1-D) of that region.").setMandatory();
    addReal("delay", "Age of the measurement the controller sees, like a gauge that reports late.").setDefault("0.0").setMin(0.0).setUnits("[s]");
    addReal("time_average_sec", "Length of the window over which the delayed measurement is averaged; 0 uses the instantaneous value.").setDefault("0.0").setMin(0.0).setUnits("[s]");
    addUsedIf({"root_value"}, "root_value_type", {"fixed_value"});
    addRequiredIf({"root_value_series_file"}, "root_value_type", {"time_series", "discharge_series", "discharge_time_table"});
    addRequiredIf({"root_value_qseries_varname"}, "root_value_type", {"discharge_series", "discharge_time_table"});
}

}  // namespace FLUMparse
