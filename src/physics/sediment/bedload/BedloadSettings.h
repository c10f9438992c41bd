#pragma once
// The keys of a BEDLOAD/PARAMETER block (1-D or 2-D) as typed values; the
// schema holds every default. Lengths are converted to metres here.
#include <optional>
#include <string>
#include <vector>

#include "input/schema/InputBlock.h"
#include "physics/sediment/bedload/BedloadFormula.h"

namespace Flumaris {

struct BedloadSettings {
    BedloadFormula formula = BedloadFormula::Mpm;
    double bedloadFactor = 0.0;
    // User constants of the critical Shields parameter: empty = none; one value
    // without index = everywhere; else one per material index.
    std::vector<double> thetaCritical;
    std::vector<int> thetaCriticalIndex;
    double calibration = 0.0;                 // critical_shear_stress_calibration
    std::optional<double> hidingExponent;     // unset: the formula's own exponent
    double powerLawA = 0.0;
    double powerLawB = 0.0;
    double alpha = 0.0;                       // multi-grain Smart-Jaeggi
    double d90 = -1.0;                        // [m], -1 when not given
    double d30 = -1.0;                        // [m], -1 when not given
    bool localSlopeFlowDirection = false;     // 2-D local_slope_flowdirection, 1-D local_slope
    bool localSlopeLateral = false;           // 2-D
    bool useEnergySlope = false;              // 1-D: Smart-Jaeggi slope from the energy line
    std::optional<double> angleOfRepose;      // 1-D angle_of_repose [deg]

    static BedloadSettings fromBlock(const FLUMparse::InputBlock& parameter);
};

}  // namespace Flumaris
