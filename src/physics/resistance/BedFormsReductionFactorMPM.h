#pragma once
// Bed-form factor from the ratio of total to grain roughness (mpm_bedforms):
//   kst = c sqrt(g) / h^(1/6)     bed Strickler value behind the velocity coefficient
//   kr  = 21.1 / d90^(1/6)        grain Strickler value, d90 [m]
//   mu  = (kst / kr)^(3/2), replaced by 1 when above 1 or not above 0
// (also 1 when h or d90 is not positive).
#include <span>

#include "physics/resistance/BedFormsReductionFactor.h"
#include "physics/resistance/Strickler.h"

namespace Flumaris {

class GrainSizeSource;

class BedFormsReductionFactorMPM final : public BedFormsReductionFactor {
public:
    // grains must outlive the factor.
    explicit BedFormsReductionFactorMPM(const GrainSizeSource& grains) : grains_(grains) {}

    double getFactor2D(const BedFormElement& el) const override;
    double getFactor1D(double c, double h, int s) const override;
    bool needsGrainSize() const override { return true; }

    // mu for velocity coefficient c, depth h and grain size d90.
    double factor(double c, double h, double d90) const;
    // sum(w_i d90_i) / sum(w_i), or 0 when sum(w_i) <= 1e-15 (no bed material).
    static double widthWeightedD90(std::span<const double> widths, std::span<const double> d90s);

private:
    const GrainSizeSource& grains_;
    Strickler grainLaw_{true, 21.1};
};

}  // namespace Flumaris
