#include "input/blocks/IRctrlmonitoredvar.h"

namespace FLUMparse {

IRctrlmonitoredvar::IRctrlmonitoredvar() : InputBlock("MONITORED_VARIABLE") {
    setDescription("A quantity the controller watches and the target it should follow.");
    setExample("MONITORED_VARIABLE {\n"
        "}");
}

void IRctrlmonitoredvar::declare() {
    addString("name", "Name of the monitored variable.").setMandatory();
    addTag<InputTagTaggedList<double>>("coefficients", "Per manipulated variable its name and a sublist of coefficients (PID: proportional, integral, derivative).");
    addTag<InputTagEnum<MonitorVarType>>("type", "Monitored quantity.", std::vector<std::pair<std::string, MonitorVarType>>{{"wse", MonitorVarType::WSE}, {"Q", MonitorVarType::Q}}).setMandatory();
    addTag<InputTagEnum<RootValueType>>("root_value_type", "Kind of the target value.", std::vector<std::pair<std::string, RootValueType>>{{"fixed_value", RootValueType::FixedValue}, {"time_series", RootValueType::TimeSeries}, {"discharge_series", RootValueType::DischargeSeries}, {"discharge_time_table", RootValueType::DischargeTimeTable}}).setDefault("fixed_value");
    addReal("root_value", "Fixed target value.").setDefault("0.0");
    addSeriesFile("root_value_series_file", "Series of the target value.");
    addString("root_value_qseries_varname", "Name of the discharge column of the series.");
    addPosition("position", "Where the value is measured: region.name.").setMandatory();
    addReal("delay", "Delay of the measurement.").setDefault("0.0").setMin(0.0).setUnits("[s]");
    addReal("time_average_sec", "Averaging window of the measurement.").setDefault("0.0").setMin(0.0).setUnits("[s]");
    addUsedIf({"root_value"}, "root_value_type", {"fixed_value"});
    addRequiredIf({"root_value_series_file"}, "root_value_type", {"time_series", "discharge_series", "discharge_time_table"});
    addRequiredIf({"root_value_qseries_varname"}, "root_value_type", {"discharge_series", "discharge_time_table"});
}

}  // namespace FLUMparse
