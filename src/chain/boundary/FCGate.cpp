#include "chain/boundary/FCGate.h"

#include <algorithm>
#include <limits>

#include "physics/gate/GateLaw.h"
#include "section/CrossSection.h"

namespace FlumChain {

void Gate::update(double t, double) {
    // Without a level the gate stands on the section's lowest point.
    bottom_ = s_.level.given() ? s_.level.at(t) : section().ground();
    top_ = s_.gateElevation.given() ? s_.gateElevation.at(t) : std::numeric_limits<double>::infinity();
    width_ = s_.width.at(t);
}

EdgeFlux Gate::flux(const CellValues& e) const {
    const double y1 = e.z - bottom_;
    if (y1 <= 0.0 || width_ <= 0.0) return {};
    const double zTop = std::min(top_, e.z + 1e3);  // a gate far above the water is lifted out
    const double q = width_ * Flumaris::gateDischarge(zTop, e.z, tailwater_, bottom_,
                                                      -1.0, gravity(), s_.contraction);
    const double a = zTop - bottom_;
    const double depth = y1 <= a ? 2.0 * y1 / 3.0 : s_.contraction * a;
    return {outward() * q, q * q / (width_ * depth)};
}

}  // namespace FlumChain
