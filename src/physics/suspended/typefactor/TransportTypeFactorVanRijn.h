#pragma once
// van Rijn (1984b): phi = 0 for x <= 0.4, 0.25 + 0.325 ln(x) for 0.4 < x < 10,
// 1 for x >= 10, limited to [0, 1]; x = u*/w.
#include "physics/suspended/typefactor/TransportTypeFactor.h"

namespace Flumaris {

class TransportTypeFactorVanRijn final : public TransportTypeFactor {
public:
    double factor(double uStar, double w) const override;
};

}  // namespace Flumaris
