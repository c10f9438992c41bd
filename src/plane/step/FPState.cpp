#include "plane/step/FPState.h"

namespace FlumPlane {

void FPState::resize(int numElements, int numEdges) {
    const auto ne = static_cast<std::size_t>(numElements);
    const auto ni = static_cast<std::size_t>(numEdges);
    for (auto* a : {&h_, &u_, &v_, &speed_, &wse_, &wseOld_, &eddyViscosity_, &sourceRate_,
                    &hNew_, &uNew_, &vNew_, &speedNew_, &sumMass_, &sumMomX_, &sumMomY_})
        a->resize(ne, 0.0);
    cf_.resize(ne, 0.0);  // 0: frictionless until the law fills it
    hasSource_.resize(ne, 0);
    fullyWetted_.resize(ne, 0);
    for (auto* a : {&fluxMass_, &fluxMomX_, &fluxMomY_, &diffMomX_, &diffMomY_})
        a->resize(ni, 0.0);
}

}  // namespace FlumPlane
