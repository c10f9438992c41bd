#include "chain/boundary/FCCoupledBoundary.h"

#include <algorithm>
#include <cmath>

#include "chain/boundary/FCGate.h"
#include "chain/boundary/FCHydrograph.h"
#include "chain/boundary/FCWeir.h"
#include "chain/boundary/FCZHydrograph.h"

namespace FlumChain {

CoupledBoundary::CoupledBoundary(const ChainView& view, const BoundarySettings& s, std::unique_ptr<Boundary> inner)
    : Boundary(view, s.name, s.end), type_(s.type), inner_(std::move(inner)) {
    setInterfaceName(s.name);
}

void CoupledBoundary::update(double t, double dt) {
    inner_->update(t, dt);
    if (type_ == "hydrograph") static_cast<Hydrograph&>(*inner_).setInflow(discharge_);
    if (type_ == "zhydrograph") static_cast<ZHydrograph&>(*inner_).setLevel(level_);
    if (type_ == "gate") static_cast<Gate&>(*inner_).setTailwater(level_);
    if (type_ == "weir") static_cast<Weir&>(*inner_).setTailwater(level_);
}

EdgeFlux CoupledBoundary::flux(const CellValues& e) const {
    EdgeFlux f = inner_->flux(e);
    if ((type_ == "zero_gradient" || type_ == "hqrelation") && std::isfinite(level_)) {
        const double d = level_ - e.z, quarter = 0.25 * e.h;
        const double r = d >= quarter ? 0.0 : (d > 0.0 ? 1.0 - d / quarter : 1.0);
        f.A *= r;
        f.Q *= r;
    }
    lastDischarge_ = f.A;
    return f;
}

double CoupledBoundary::getDischarge(double) const { return lastDischarge_; }

double CoupledBoundary::getWaterLevel(double) const {
    return view_.state().sec[static_cast<std::size_t>(element())].z;
}

}  // namespace FlumChain
