#pragma once
// Everything the shared sediment physics reads from a MORPHOLOGY block (1-D or
// 2-D): grain diameters and the settings of the PARAMETER blocks of the
// morphology, the bed load and the suspended load. A block that is absent
// leaves its part empty.
#include <optional>
#include <vector>

#include "input/schema/InputBlock.h"
#include "physics/sediment/MorphologySettings.h"
#include "physics/sediment/bedload/BedloadSettings.h"
#include "physics/suspended/SuspensionSettings.h"

namespace Flumaris {

struct SedimentSettings {
    std::vector<double> diameters;  // [m], ascending
    std::optional<MorphologySettings> morphology;
    std::optional<BedloadSettings> bedload;
    std::optional<SuspensionSettings> suspension;

    static SedimentSettings fromBlock(const FLUMparse::InputBlock& morphology);
};

}  // namespace Flumaris
