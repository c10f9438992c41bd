#include "chain/boundary/FCZHydrograph.h"

#include <algorithm>
#include <cmath>

#include "physics/series/BoundarySerie.h"
#include "section/CrossSection.h"

namespace FlumChain {

ZHydrograph::ZHydrograph(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end), s_(s) {
    serie_ = std::make_shared<const Flumaris::BoundarySerie>(s.file);
}

void ZHydrograph::update(double t, double dt) {
    const double target = serie_->getValue(t);
    if (!started_ || s_.relaxationTau <= 0.0)
        level_ = target;
    else
        level_ += (target - level_) * (1.0 - std::exp(-dt / s_.relaxationTau));
    started_ = true;
}

EdgeFlux ZHydrograph::flux(const CellValues& e) const {
    const Flumaris::CrossSection& cs = section();
    const double z = std::max(level_, cs.ground());
    const double A = cs.area(z);
    const CellValues ghost = cellValues(A, e.Q, cs.state(A), cs.ground());
    EdgeFlux f = end() == End::Downstream ? roeFlux(e, ghost, gravity(), view_.hmin())
                                          : roeFlux(ghost, e, gravity(), view_.hmin());
    f.Q = std::clamp(f.Q, -s_.maxMomentumFlux, s_.maxMomentumFlux);
    return f;
}

}  // namespace FlumChain
