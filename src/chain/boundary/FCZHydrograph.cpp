#include "chain/boundary/FCZHydrograph.h"

#include <algorithm>
#include <cmath>

#include "chain/FCGrid.h"

#include "physics/series/BoundarySerie.h"
#include "section/CrossSection.h"

namespace FlumChain {

ZHydrograph::ZHydrograph(const ChainView& view, const BoundarySettings& s)
    : Boundary(view, s.name, s.end), s_(s), serie_(s.serie) {}

void ZHydrograph::update(double t, double) {
    if (serie_) level_ = serie_->getValue(t);
}

EdgeFlux ZHydrograph::flux(const CellValues& e) const {
    const Flumaris::CrossSection& cs = section();
    const double z = std::max(level_, cs.ground());
    const Flumaris::SectionState target = cs.state(cs.area(z));
    const double length = view_.grid().elements()[static_cast<std::size_t>(element())].length;
    const double q = e.qInner + outward() * (e.A - target.A) * length / s_.relaxationTau;
    const double fq = target.reducedArea > 0.0 ? target.beta * q * q / target.reducedArea : 0.0;
    return {q, std::min(fq, s_.maxMomentumFlux)};
}

}  // namespace FlumChain
