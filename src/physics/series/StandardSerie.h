#pragma once
// Multi-column table from a series file or from memory. Linear interpolation
// per column; the first and the last value are held outside the abscissa range.
// The abscissa is expected to increase (bisection search).
#include <string>
#include <vector>

#include "physics/series/Serie.h"

namespace Flumaris {

class StandardSerie : public Serie {
public:
    // Reads the file; any read or format failure is fatal.
    explicit StandardSerie(const std::string& fileName);
    // rows[i] = {x, y1, y2, ...}, all of equal length.
    explicit StandardSerie(const std::vector<std::vector<double>>& rows);

    std::size_t getSize() const override { return x_.size(); }
    std::size_t getNumberOfColumns() const override { return y_.size() + 1; }
    double getValue(double x, std::size_t column) const override;
    double getValue(double x) const { return getValue(x, 1); }

    const std::vector<double>& getX() const { return x_; }
    const std::vector<double>& getY(std::size_t column) const;
    // Words of the comment or header line above the data (may be empty).
    const std::vector<std::string>& getColumnNames() const { return names_; }
    // Column whose name matches (1 .. columns-1), 0 when none does.
    std::size_t findColumn(const std::string& name) const;

private:
    std::vector<double> x_;
    std::vector<std::vector<double>> y_;  // one vector per value column
    std::vector<std::string> names_;
};

}  // namespace Flumaris
