#pragma once
// Valid and reasonable ranges of numeric tags. The texts use HTML entities
// because the same text appears in the reference pages and the editor.
#include <optional>
#include <string>

namespace FLUMparse {

struct InputBound {
    double value = 0.0;
    bool inclusive = true;
};

struct InputRange {
    std::optional<InputBound> lower;
    std::optional<InputBound> upper;

    bool empty() const { return !lower && !upper; }
    bool contains(double x) const;
    // "0 &lt;= x &lt; 1", "x &gt;= 0", "x &lt;= 1" (empty when unbounded).
    std::string text() const;
};

// Shortest text that reads back as the same number ("0.5", "1e-06", "3").
std::string formatNumber(double v);

}  // namespace FLUMparse
