#pragma once
// The look-up table of a cross section: the nine hydraulic functions at a list
// of ascending water levels, one row per level, with search trees over the
// level and the area columns. Between rows the values are interpolated
// linearly; the section decides what happens outside the table.
#include <array>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "section/IndexLocatorTree.h"

namespace Flumaris {

// Columns of the table (and of CrossSection::evaluate).
enum SectionColumn : std::size_t {
    ColZ = 0,         // water-surface elevation [m]
    ColArea,          // total wetted area [m2]
    ColReducedArea,   // flowing area [m2]
    ColConveyance,    // [m3/s]
    ColBeta,          // momentum-correction factor [-]
    ColWidth,         // surface width [m]
    ColPerimeter,     // wetted perimeter of the flowing part [m]
    ColMeanDepth,     // flowing area over flowing surface width [m]
    ColFriction,      // perimeter-weighted friction value
    kNumColumns
};
using SectionRow = std::array<double, kNumColumns>;

class Tables {
public:
    enum class Where { Below, Inside, Above };

    // One row per level, each the direct evaluation at its level.
    void build(const std::vector<double>& levels, const std::function<SectionRow(double)>& evaluate);
    void clear();
    std::size_t numRows() const { return cols_[0].size(); }
    double value(std::size_t row, std::size_t column) const { return cols_[column][row]; }
    const std::vector<double>& column(std::size_t c) const { return cols_[c]; }

    // Row k and weight q of x in source column s (0 or 1): the value of any
    // column is (1 - q) t_k + q t_(k+1). Below or above the column nothing is set.
    Where locate(double x, std::size_t s, std::size_t& k, double& q) const;
    double interpolate(std::size_t k, double q, std::size_t column) const {
        return (1.0 - q) * cols_[column][k] + q * cols_[column][k + 1];
    }
    // Target column t at x of source column s; Below/Above leave value alone.
    Where lookup(double x, std::size_t s, std::size_t t, double& value) const;

    // The rows as the Tables.txt file shows them.
    void write(std::ostream& out, const std::string& sectionName) const;

private:
    std::array<std::vector<double>, kNumColumns> cols_;
    IndexLocatorTree treeZ_, treeA_;
};

}  // namespace Flumaris
