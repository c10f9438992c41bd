#include "core/SubDomain.h"

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
        report(1, "The coupling interface name '" + ci->interfaceName() +
                      "' is not unique!\nPlease choose another interface name and restart the program.");
    interfaces_.push_back(ci);
}

CouplingInterface* SubDomain::findCouplingInterface(const std::string& name) const {
    for (CouplingInterface* ci : interfaces_)
        if (ci->interfaceName() == name) return ci;
    return nullptr;
}

}  // namespace Flumaris
