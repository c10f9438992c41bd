#pragma once
// One slice of a cross section: the strip between two adjacent profile points
// (y lateral distance, z elevation). Its hydraulic functions of the water level
// z assume a straight bed line between the two points. Shared by the 1-D
// sections and the 2-D boundaries that treat an edge string as a section.
#include <array>

namespace Flumaris {

class CrossSectionSlice {
public:
    using Point = std::array<double, 3>;  // [0] unused, [1] y, [2] z

    CrossSectionSlice(const Point& left, const Point& right);

    // Wetted area [m2]; 0 for a slice narrower than 1 mm.
    double area(double z) const;
    // Wetted length of the slice line [m].
    double perimeter(double z) const;
    // Water-surface width [m].
    double surfaceWidth(double z) const;
    // Area over surface width [m].
    double meanDepth(double z) const;
    double meanLevel() const { return 0.5 * (leftPoint_[2] + rightPoint_[2]); }
    double width() const { return width_; }

    Point leftPoint_;
    Point rightPoint_;
    double width_ = -1.0;
    double width2_ = 0.0;
    bool isMainChannel_ = true;
    bool channelTypeSet_ = false;
    bool bottom_ = true;
    bool flownThrough_ = true;
    double kValue_ = -1.0;  // friction value; -1 = not defined
    int activ_ = 0;
    int soil_ = -1;  // soil index of the geometry file; -1 = none
};

}  // namespace Flumaris
