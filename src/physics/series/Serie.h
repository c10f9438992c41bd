#pragma once
// A table of values over an abscissa, interpolated per value column.
#include <cstddef>

namespace Flumaris {

class Serie {
public:
    virtual ~Serie() = default;
    virtual std::size_t getSize() const = 0;             // rows
    virtual std::size_t getNumberOfColumns() const = 0;  // abscissa included
    // Value of column (1 .. columns-1) at abscissa x.
    virtual double getValue(double x, std::size_t column) const = 0;
};

}  // namespace Flumaris
