#include "chain/boundary/FCMultiBoundary.h"

#include "core/FlumAssert.h"

namespace FlumChain {

void MultiBoundary::update(double t, double dt) {
    for (auto& b : members_) b->update(t, dt);
}

EdgeFlux MultiBoundary::flux(const CellValues& e) const {
    FLUM_ASSERT_MSG(!members_.empty(), "MultiBoundary::fluxCal called, but there is no boundary!");
    EdgeFlux sum;
    for (const auto& b : members_) {
        const EdgeFlux f = b->flux(e);
        sum.A += f.A;
        sum.Q += f.Q;
    }
    return sum;
}

}  // namespace FlumChain
