#pragma once
// A cross section made of slices, with its water-level tables (area, wetted
// perimeter, conveyance per level) for the boundaries that need the level of
// a given discharge. The whole section is one flowing part: its conveyance is
// K = A sqrt(g R) c(k, R) with R = A / P and the perimeter-weighted friction k.
#include <vector>

#include "section/CrossSectionSlice.h"

namespace Flumaris {

class ResistanceCalc;

class SectionTables {
public:
    // Every slice needs a friction value (kValue_ >= 0). The table runs from the
    // lowest point to maxInterval above the highest one, at the node levels and
    // at most `spacing` apart.
    SectionTables(std::vector<CrossSectionSlice> slices, const ResistanceCalc& law, double maxInterval,
                  double spacing = 0.02);

    const std::vector<CrossSectionSlice>& slices() const { return slices_; }
    double lowestLevel() const { return z_.front(); }
    double highestLevel() const { return z_.back(); }
    std::size_t numLevels() const { return z_.size(); }

    // Direct evaluation from the slices.
    double area(double z) const;
    double perimeter(double z) const;
    double conveyance(double z) const;
    // Conveyance of slice k alone at level z.
    double sliceConveyance(std::size_t k, double z) const;

    // Linear interpolation in the tables; above the table the direct value.
    double tableArea(double z) const;
    double tableConveyance(double z) const;

    // Level whose tabulated conveyance is K (secant iteration with bracketing),
    // stopping when two successive levels differ by less than precision.
    // Returns false when maxIterations are used up; z holds the last level.
    bool levelForConveyance(double K, double precision, int maxIterations, double& z) const;

private:
    double interpolate(const std::vector<double>& column, double z) const;
    double conveyanceOf(double A, double P, double k) const;

    std::vector<CrossSectionSlice> slices_;
    const ResistanceCalc& law_;
    double sqrtG_;
    std::vector<double> z_, A_, P_, K_;
};

}  // namespace Flumaris
