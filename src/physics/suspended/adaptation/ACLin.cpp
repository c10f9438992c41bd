#include "physics/suspended/adaptation/ACLin.h"

#include <algorithm>
#include <cmath>

namespace Flumaris {

double ACLin::ofRatio(double r) { return r > 0.0 ? std::max(0.0, 3.25 + 0.55 * std::log(r)) : 0.0; }

double ACLin::coefficient(double w, double uStar, double) const
{
    return uStar > 0.0 ? ofRatio(w / (kKarman * uStar)) : 0.0;
}

}  // namespace Flumaris
