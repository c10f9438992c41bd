#pragma once
// Block MONITORED_VARIABLE: A quantity the controller watches and the target it should follow.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

// Values of the enumeration tags of MONITORED_VARIABLE (read with asInt()).
enum class MonitorVarType { WSE = 0, Q = 1 };
enum class RootValueType { FixedValue = 0, TimeSeries = 1, DischargeSeries = 2, DischargeTimeTable = 3 };

class IRctrlmonitoredvar final : public InputBlock {
public:
    IRctrlmonitoredvar();

protected:
    void declare() override;
};

}  // namespace FLUMparse
