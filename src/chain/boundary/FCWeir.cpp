#include "chain/boundary/FCWeir.h"

#include "section/CrossSection.h"

namespace FlumChain {

Weir::Weir(const ChainView& view, const BoundarySettings& s) : Boundary(view, s.name, s.end), s_(s), calc_(s.poleni) {}

void Weir::update(double t, double) {
    crest_ = s_.level.at(t);
    width_ = s_.width.at(t);
}

EdgeFlux Weir::flux(const CellValues& e) const {
    const double H = e.z - crest_;
    if (H <= 0.0 || width_ <= 0.0) return {};
    const double q = width_ * calc_.discharge(crest_, e.z, tailwater_, section().ground(), 0.1 * view_.hmin());
    const double Aw = width_ * H + H * H / s_.embankmentSlope;
    return {outward() * q, q * q / Aw};
}

}  // namespace FlumChain
