#include "physics/gate/GateLaw.h"

#include <algorithm>
#include <cmath>

#include "core/MessageService.h"
#include "physics/weir/WeirCalc.h"

namespace Flumaris {

double gateDischarge(double zGate, double zUp, double zDown, double zBed, double my, double g, double contraction) {
    const double a = zGate - zBed;
    if (a < 0.0) fatal("Fatal error for inner gate: height underneath gate is negative!");
    const double y1 = zUp - zBed;
    if (y1 <= 0.0 || a <= 0.0) return 0.0;
    const double y3 = zDown - zBed;
    double sigma = 1.0;
    if (y3 > 0.0) sigma = WeirCalc::submergenceFactor(zBed, zUp, std::min(zDown, zUp), 0.0);
    const double weir = sigma * std::sqrt(g) * std::pow(2.0 * y1 / 3.0, 1.5);
    if (y1 <= a) return weir;
    const double cA = contraction * a;
    const double Cd = my >= 0.0 ? my : contraction / std::sqrt(1.0 + cA / y1);
    const double s = std::clamp((y3 - cA) / (y1 - cA), 0.0, 1.0);
    return std::min(weir, Cd * a * std::sqrt(2.0 * g * y1 * (1.0 - s)));
}

}  // namespace Flumaris
