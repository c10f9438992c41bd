#include "core/SubDomain.h"

#include <algorithm>
#include <cmath>

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
    while (time_ < t - 1.0e-12 * std::max(1.0, std::fabs(t))) advance(std::min(dt_, t - time_));
}

CouplingInterface* SubDomain::findCouplingInterface(const std::string& name) const {
    for (CouplingInterface* ci : interfaces_)
        if (ci->interfaceName() == name) return ci;
    return nullptr;
}

}  // namespace Flumaris
