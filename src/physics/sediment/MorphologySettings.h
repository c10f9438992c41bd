#pragma once
// The keys of a MORPHOLOGY/PARAMETER block (1-D or 2-D) as typed values.
// Every default comes from the schema; keys the engine does not have keep the
// neutral value written here (and the engine's code never reads them).
#include "input/schema/InputBlock.h"

namespace Flumaris {

enum class ControlVolumeType { Constant, Dmean, Borah };

struct MorphologySettings {
    double porosity = 0.0;             // decimal (key in percent)
    double density = 0.0;              // rho_s [kg/m3]
    ControlVolumeType controlVolumeType = ControlVolumeType::Constant;
    double controlVolumeThickness = -1.0;  // [m]; -1 when not given
    double controlVolumeFactor = 0.0;      // thickness = factor * d90 for dmean
    bool createNewLayers = false;
    double maxLayerThickness = -1.0;  // [m]; -1 when not given
    double minThetaCritic = 0.0;
    double angleOfRepose = 0.0;       // [deg]; 2-D key, 1-D reads it from BEDLOAD/PARAMETER
    bool strongCoupling = false;      // 2-D
    int strongCouplingIterations = 0; // 2-D
    double wettingFraction = 0.0;     // 1-D
    double maxDzTable = 0.0;          // 1-D [m]

    static MorphologySettings fromBlock(const FLUMparse::InputBlock& parameter);
};

}  // namespace Flumaris
