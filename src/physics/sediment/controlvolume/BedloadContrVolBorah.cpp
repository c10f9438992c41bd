#include "physics/sediment/controlvolume/BedloadContrVolBorah.h"

#include <algorithm>

#include "physics/sediment/SedParameters.h"

namespace Flumaris {

double BedloadContrVolBorah::thickness(const GrainMixture& surface) const
{
    const SedParameters& p = surface.parameters();
    int L = p.getNumGrainClasses() - 1;
    while (L > 0 && surface.fraction(L) <= kPresent) --L;
    const double share = surface.fraction(L) > kPresent ? surface.fraction(L) : 1.0;
    return std::max(kMinThickness, p.diameter(L) / ((1.0 - porosity_) * share));
}

void BedloadContrVolBorah::update(const GrainMixture& surface)
{
    for (int k = 0; k < surface.parameters().getNumGrainClasses(); ++k) {
        if (surface.fraction(k) <= kPresent) continue;
        smallest_ = smallest_ < 0 ? k : std::min(smallest_, k);
        largest_ = std::max(largest_, k);
    }
}

}  // namespace Flumaris
