#pragma once
// Conveyance of one flowing part of a section (a channel part, a 2-D boundary
// string): K = A sqrt(g R) c(k, R) with R = A / P, so that Q = K sqrt(S).
// For the Strickler law this is scale k A R^(2/3).
#include <cmath>

#include "physics/resistance/ResistanceCalc.h"

namespace Flumaris {

inline double partConveyance(double A, double P, double k, const ResistanceCalc& law, double scale, double g,
                             double sqrtG) {
    if (A <= 0.0 || P <= 0.0) return 0.0;
    const double R = A / P;
    return A * std::sqrt(g * R) * law.getVelocityCoefficient(k, R, scale, sqrtG);
}

}  // namespace Flumaris
