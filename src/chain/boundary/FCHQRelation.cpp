#include "chain/boundary/FCHQRelation.h"

#include <cmath>

#include "physics/series/StandardSerie.h"

namespace FlumChain {

HQRelation::HQRelation(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end) {
    if (!s.file.empty()) relation_ = std::make_unique<Flumaris::StandardSerie>(s.file);
    if (s.slope > 0.0) rootSlope_ = std::sqrt(s.slope);
}

HQRelation::~HQRelation() = default;

EdgeFlux HQRelation::flux(const CellValues& e) const {
    if (e.h <= view_.hmin() || e.A <= 0.0 || e.Ar <= 0.0) return {};
    const double q = relation_ ? relation_->getValue(e.z) : e.K * rootSlope_;
    return {outward() * q, q * q / e.Ar};
}

}  // namespace FlumChain
