#pragma once
// A lateral inflow (qlateral): the discharge of a series into one element;
// negative values are sinks, limited to 90 % of the element's water per step.
#include <memory>

#include "chain/boundary/FCBoundarySettings.h"

namespace FlumChain {

class LateralSource {
public:
    LateralSource(std::string name, int element, std::shared_ptr<const Flumaris::BoundarySerie> serie);
    // The discharge over [t, t + dt] for an element holding volume [m3].
    double discharge(double t, double dt, double volume) const;
    int element() const { return element_; }
    const std::string& name() const { return name_; }

    static constexpr double kSinkLimit = 0.9;

private:
    std::string name_;
    int element_;
    std::shared_ptr<const Flumaris::BoundarySerie> serie_;
};

}  // namespace FlumChain
