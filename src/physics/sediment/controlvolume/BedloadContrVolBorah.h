#pragma once
// Active-layer thickness after Borah, Alonso & Prasad (1982): the layer that
// holds one grain layer of the immobile classes,
//   E = d_L / ((1 - p) sum_{j >= L} p_j)     [m], at least 1e-5 m,
// with L the coarsest class present (p_L > 1e-6) in the surface mixture: the
// layer is sized before the flow is known, so the coarsest class stands for the
// first immobile one. The range of classes met so far is tracked for output.
#include "physics/sediment/controlvolume/BedloadContrVol.h"

namespace Flumaris {

class BedloadContrVolBorah final : public BedloadContrVol {
public:
    static constexpr double kMinThickness = 1.0e-5;
    static constexpr double kPresent = 1.0e-6;

    explicit BedloadContrVolBorah(double porosity) : porosity_(porosity) {}
    double thickness(const GrainMixture& surface) const override;
    void update(const GrainMixture& surface) override;
    int smallestClassInUse() const { return smallest_; }
    int largestClassInUse() const { return largest_; }

private:
    double porosity_;
    int smallest_ = -1;
    int largest_ = -1;
};

}  // namespace Flumaris
