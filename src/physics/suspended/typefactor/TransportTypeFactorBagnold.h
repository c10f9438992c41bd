#pragma once
// Bagnold's (1966) criterion u*/w > 1 for the onset of suspension, with the
// van Rijn log law above it:
//   phi = 0 for x <= 1,  f (0.25 + 0.325 ln x) for 1 < x < 10,  1 for x >= 10,
// f = 1/(0.25 + 0.325 ln 10) by default, so that phi reaches 1 at x = 10
// without a jump. x = u*/w.
#include "physics/suspended/typefactor/TransportTypeFactor.h"

namespace Flumaris {

class TransportTypeFactorBagnold final : public TransportTypeFactor {
public:
    static double continuousFactor();
    explicit TransportTypeFactorBagnold(double f = continuousFactor()) : f_(f) {}
    double factor(double uStar, double w) const override;

private:
    double f_;
};

}  // namespace Flumaris
