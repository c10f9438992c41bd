#pragma once
// A fixed factor (user_defined_bedforms: one per material index).
#include "physics/resistance/BedFormsReductionFactor.h"

namespace Flumaris {

class BedFormsReductionFactorConst final : public BedFormsReductionFactor {
public:
    explicit BedFormsReductionFactorConst(double factor) : factor_(factor) {}
    double getFactor2D(const BedFormElement&) const override { return factor_; }
    double getFactor1D(double, double, int) const override { return factor_; }

private:
    double factor_;
};

}  // namespace Flumaris
