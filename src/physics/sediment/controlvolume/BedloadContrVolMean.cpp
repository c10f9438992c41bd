#include "physics/sediment/controlvolume/BedloadContrVolMean.h"

#include <algorithm>

namespace Flumaris {

double BedloadContrVolMean::thickness(const GrainMixture& surface) const
{
    return std::max(kMinThickness, factor_ * surface.diameterAt(0.9));
}

}  // namespace Flumaris
