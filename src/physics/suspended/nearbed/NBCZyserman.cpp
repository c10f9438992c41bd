#include "physics/suspended/nearbed/NBCZyserman.h"

#include <cmath>

namespace Flumaris {

double NBCZyserman::concentration(const NearBedState& s) const
{
    if (s.theta <= s.thetaCr) return 0.0;
    const double x = std::pow(s.theta - s.thetaCr, 1.75);
    return 0.331 * x / (1.0 + 0.72 * x);
}

}  // namespace Flumaris
