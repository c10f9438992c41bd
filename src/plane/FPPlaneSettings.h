#pragma once
// The settings of the 2-D solver built once from their validated blocks. The
// schema's default is the only default: an absent optional block reads as one
// written without keys. The solver's structs stay free of the input layer.
#include "plane/mesh/FPGridQualityCheck.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPTimeStep.h"

namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {

// From HYDRAULICS: its PARAMETER and TURBULENCE_MODEL blocks.
EulerSettings eulerSettingsFromBlock(const FLUMparse::InputBlock& hydraulics);
// From HYDRAULICS/PARAMETER.
GridCheckThresholds gridThresholdsFromBlock(const FLUMparse::InputBlock& hydraulics);
TimeStepSettings timeStepSettingsFromBlock(const FLUMparse::InputBlock& timestep);

}  // namespace FlumPlane
