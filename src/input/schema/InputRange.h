#pragma once
// Valid and reasonable ranges of numeric tags. text() uses HTML entities for
// the reference pages and the editor; messages use plainText().
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
    // "0 <= x < 1": the same with plain comparison signs, for the console and the log.
    std::string plainText() const;
};

// Shortest text that reads back as the same number ("0.5", "1e-06", "3").
std::string formatNumber(double v);

}  // namespace FLUMparse
