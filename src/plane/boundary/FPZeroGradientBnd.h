#pragma once
// Free outflow: every edge solves the Riemann problem of its element against a
// ghost with 0.95 of the interior depth and 1.05 of its normal speed.
#include "plane/boundary/FPBoundary.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "plane/boundary/FPCouplingBnd.h"

namespace FlumPlane {

class ZeroGradientBnd : public Boundary {
public:
    ZeroGradientBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool = false)
        : Boundary(plane, s.name, string, EdgeZeroGradient) {}
    void update(double, double) override {}
    void computeFluxes(double, double) override {
        for (int i : edges_) store(i, zeroGradient(i));
        sumDischarge();
    }
};

using ZeroGradientBndCoupling = CouplingBnd<ZeroGradientBnd>;

}  // namespace FlumPlane
