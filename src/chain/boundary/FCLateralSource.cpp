#include "chain/boundary/FCLateralSource.h"

#include <algorithm>

#include "physics/series/BoundarySerie.h"

namespace FlumChain {

LateralSource::LateralSource(std::string name, int element, std::shared_ptr<const Flumaris::BoundarySerie> serie)
    : name_(std::move(name)), element_(element), serie_(std::move(serie)) {}

double LateralSource::discharge(double t, double dt, double volume) const {
    const double q = serie_->getValue(t);
    return dt > 0.0 ? std::max(q, -kSinkLimit * volume / dt) : q;
}

}  // namespace FlumChain
