#pragma once
// Lin (1984): alpha = 3.25 + 0.55 ln(r), r = w/(kappa u*) (the Rouse number),
// not below 0 (r below about 0.0027, very fine sediment in strong flow).
#include "physics/suspended/adaptation/AdaptationCoefficient.h"

namespace Flumaris {

class ACLin final : public AdaptationCoefficient {
public:
    double coefficient(double w, double uStar, double aOverH) const override;
    static double ofRatio(double r);
};

}  // namespace Flumaris
