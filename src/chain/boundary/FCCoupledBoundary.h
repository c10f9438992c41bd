#pragma once
// The coupling_ form of a boundary kind: the same flux object, driven by a
// coupling instead of its file. A coupled hydrograph takes its inflow, a
// coupled water level its level from the coupling; the outflow kinds take the
// coupled subdomain's level as tailwater: a weir is submerged (WeirCalc), a
// gate drowned (GateLaw), and zero_gradient and hqrelation fall off linearly
// to nothing while the tailwater rises a quarter of the element's depth above
// its level. The coupling reads back the edge's discharge and the element's
// level.
#include <limits>
#include <memory>

#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"
#include "core/CouplingInterface.h"

namespace FlumChain {

class CoupledBoundary final : public Boundary, public Flumaris::CouplingInterface {
public:
    CoupledBoundary(const ChainView& view, const BoundarySettings& s, std::unique_ptr<Boundary> inner);

    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;

    double getDischarge(double t) const override;
    double getWaterLevel(double t) const override;
    double getSedimentFlux(double) const override { return 0.0; }
    void setDischarge(double, double q) override { discharge_ = q; }
    void setWaterLevel(double, double z) override { level_ = z; }
    void setSedimentFlux(double, double) override {}

private:
    std::string type_;
    std::unique_ptr<Boundary> inner_;
    double discharge_ = 0.0;
    double level_ = -std::numeric_limits<double>::infinity();
    mutable double lastDischarge_ = 0.0;
};

}  // namespace FlumChain
