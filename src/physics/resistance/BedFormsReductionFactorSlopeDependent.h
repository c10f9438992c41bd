#pragma once
// A fixed factor on gentle beds only: in 2-D it applies while the bed-slope
// magnitude sqrt(Sx^2 + Sy^2) is below the limit, else 1. In 1-D it always applies.
#include <cmath>

#include "physics/resistance/BedFormsReductionFactor.h"

namespace Flumaris {

class BedFormsReductionFactorSlopeDependent final : public BedFormsReductionFactor {
public:
    BedFormsReductionFactorSlopeDependent(double factor, double slopeLimit) : factor_(factor), slopeLimit_(slopeLimit)
    {
    }
    double getFactor2D(const BedFormElement& el) const override
    {
        return std::hypot(el.slopeX, el.slopeY) < slopeLimit_ ? factor_ : 1.0;
    }
    double getFactor1D(double, double, int) const override { return factor_; }

private:
    double factor_;
    double slopeLimit_;
};

}  // namespace Flumaris
