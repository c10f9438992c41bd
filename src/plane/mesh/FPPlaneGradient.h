#pragma once
// Gradient of the plane through three points. The grid stores it per element
// and the bed-slope kernel uses the same function, so both give the same bits.

namespace FlumPlane {

inline void planeGradient(double x1, double y1, double z1, double x2, double y2, double z2,
                          double x3, double y3, double z3, double& gx, double& gy) {
    const double det = (x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1);
    gx = ((z2 - z1) * (y3 - y1) - (z3 - z1) * (y2 - y1)) / det;
    gy = ((z3 - z1) * (x2 - x1) - (z2 - z1) * (x3 - x1)) / det;
}

}  // namespace FlumPlane
