#include "chain/boundary/FCInnerStructure.h"

#include <algorithm>
#include <limits>

#include "core/Flumaris.h"
#include "physics/gate/GateLaw.h"

namespace FlumChain {

InnerStructure::InnerStructure(const InnerSettings& s, int edge, double hmin)
    : s_(s), weir_(s.my), edge_(edge), eps_(0.1 * hmin), g_(Flumaris::settings().gravity()) {}

void InnerStructure::update(double t) {
    level_ = s_.level.at(t);
    width_ = s_.width.at(t);
    top_ = s_.gateElevation.given() ? s_.gateElevation.at(t) : std::numeric_limits<double>::infinity();
}

EdgeFlux InnerStructure::flux(const CellValues& up, const CellValues& down, double zBedUp, double zBedDown) const {
    const bool forward = up.z >= down.z;
    const CellValues& hi = forward ? up : down;
    const CellValues& lo = forward ? down : up;
    const double zBed = forward ? zBedUp : zBedDown;
    if (hi.z <= level_ || width_ <= 0.0) return {};
    double q, area;
    if (s_.type == "weir") {
        const double H = hi.z - level_;
        q = width_ * weir_.discharge(level_, hi.z, std::max(lo.z, zBed), std::min(zBed, level_), eps_);
        area = width_ * H + H * H / s_.embankmentSlope;
    } else {
        const double y1 = hi.z - level_;
        const double zTop = std::min(top_, hi.z + 1e3);
        q = width_ * Flumaris::gateDischarge(zTop, hi.z, lo.z, level_, s_.my, g_);
        const double a = zTop - level_;
        area = width_ * (y1 <= a ? 2.0 * y1 / 3.0 : Flumaris::kGateContraction * a);
    }
    if (q <= 0.0) return {};
    return {forward ? q : -q, q * q / area};
}

}  // namespace FlumChain
