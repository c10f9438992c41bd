#include "physics/suspended/settling/SVZhang.h"

#include <cmath>

namespace Flumaris {

double SVZhang::velocity(double d, double delta) const
{
    const double a = 13.95 * nu_ / d;
    return std::sqrt(a * a + 1.09 * delta * g_ * d) - a;
}

}  // namespace Flumaris
