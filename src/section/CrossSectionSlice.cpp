#include "section/CrossSectionSlice.h"

#include <cmath>

namespace Flumaris {

namespace {
constexpr double kNarrow = 0.001;  // [m] slices narrower than this are vertical
}

CrossSectionSlice::CrossSectionSlice(const Point& left, const Point& right) : leftPoint_(left), rightPoint_(right) {
    width_ = rightPoint_[1] - leftPoint_[1];
    width2_ = width_ * width_;
}

double CrossSectionSlice::area(double z) const {
    if (width_ <= kNarrow) return 0.0;
    const double zL = leftPoint_[2], zR = rightPoint_[2];
    if (z > zL && z > zR) return width_ * ((z - zL) + (z - zR)) / 2.0;
    const double s = std::fabs(zR - zL) / width_;
    if (z > zL) return (z - zL) * (z - zL) / (2.0 * s);
    if (z > zR) return (z - zR) * (z - zR) / (2.0 * s);
    return 0.0;
}

double CrossSectionSlice::perimeter(double z) const {
    const double zL = leftPoint_[2], zR = rightPoint_[2];
    const double dz = std::fabs(zL - zR);
    if (width_ > kNarrow) {
        if (z > zL && z > zR) return std::sqrt(dz * dz + width2_);
        const double d = z > zL ? z - zL : (z > zR ? z - zR : 0.0);
        if (d <= 0.0) return 0.0;
        const double run = d * width_ / dz;
        return std::sqrt(d * d + run * run);
    }
    if (z > zL && z > zR) return dz;
    if (z > zL) return z - zL;
    if (z > zR) return z - zR;
    return 0.0;
}

double CrossSectionSlice::surfaceWidth(double z) const {
    if (width_ < kNarrow) return 0.0;
    const double zL = leftPoint_[2], zR = rightPoint_[2];
    if (z > zL && z > zR) return width_;
    const double s = std::fabs(zR - zL) / width_;
    if (z > zL) return (z - zL) / s;
    if (z > zR) return (z - zR) / s;
    return 0.0;
}

double CrossSectionSlice::meanDepth(double z) const {
    const double zL = leftPoint_[2], zR = rightPoint_[2];
    if (z > zL && z > zR) return z - meanLevel();
    if (z > zL) return 0.5 * (z - zL);
    if (z > zR) return 0.5 * (z - zR);
    return 0.0;
}

}  // namespace Flumaris
