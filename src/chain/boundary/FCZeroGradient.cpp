#include "chain/boundary/FCZeroGradient.h"

#include "core/Flumaris.h"
#include "section/CrossSection.h"

namespace FlumChain {

EdgeFlux ZeroGradient::flux(const CellValues& e) const {
    if (e.h <= view_.hmin()) return {};
    const double zBed = section().ground();
    const CellValues ghost = cellValues(0.95 * e.A, 1.05 * e.Q, section().state(0.95 * e.A), zBed);
    return end() == End::Downstream ? roeFlux(e, ghost, gravity(), view_.hmin(), false)
                                    : roeFlux(ghost, e, gravity(), view_.hmin(), false);
}

}  // namespace FlumChain
