#include "core/SubDomain.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/CouplingInterface.h"
#include "core/MessageService.h"

namespace Flumaris {

bool SubDomain::isReady() const {
    for (const CouplingInterface* ci : interfaces_)
        if (!ci->isReady(getTime())) return false;
    return true;
}

void SubDomain::addCouplingInterface(CouplingInterface* ci) {
    if (findCouplingInterface(ci->interfaceName()))
        fatal("The coupling interface name '" + ci->interfaceName() +
                      "' is not unique!\nPlease choose another interface name and restart the program.");
    interfaces_.push_back(ci);
}

void SubDomain::runTo(double t) {
    const double tolerance = 1.0e-12 * std::max(1.0, std::fabs(t));
    while (time_ < t - tolerance) {
        const double target = std::min(t, nextEventTime());
        landingSet_ = dt_ >= target - time_;
        landing_ = target;
        advance(landingSet_ ? target - time_ : dt_);
        landingSet_ = false;
    }
}

double SubDomain::nextEventTime() const { return std::numeric_limits<double>::infinity(); }

CouplingInterface* SubDomain::findCouplingInterface(const std::string& name) const {
    for (CouplingInterface* ci : interfaces_)
        if (ci->interfaceName() == name) return ci;
    return nullptr;
}

}  // namespace Flumaris
