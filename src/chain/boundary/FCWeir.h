#pragma once
// Free overflow of a weir at the end of the chain (WeirCalc, Poleni):
// Q = b q(H), H = z - w, momentum Q^2 / A_w over the crest, A_w = b H + H^2 / m;
// a tailwater submerges it (WeirCalc, tolerance 0.1 minimum_water_depth).
#include <limits>

#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"
#include "physics/weir/WeirCalc.h"

namespace FlumChain {

class Weir final : public Boundary {
public:
    Weir(const ChainView& view, const BoundarySettings& s);
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;
    // The level below the weir (a coupled subdomain's); free overflow without one.
    void setTailwater(double z) { tailwater_ = z; }

private:
    BoundarySettings s_;
    Flumaris::WeirCalc calc_;
    double crest_ = 0.0, width_ = 0.0;
    double tailwater_ = -std::numeric_limits<double>::infinity();
};

}  // namespace FlumChain
