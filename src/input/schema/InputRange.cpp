#include "input/schema/InputRange.h"

#include <fmt/format.h>

namespace FLUMparse {

std::string formatNumber(double v) { return fmt::format("{}", v); }

bool InputRange::contains(double x) const {
    if (lower && (lower->inclusive ? !(x >= lower->value) : !(x > lower->value))) return false;
    if (upper && (upper->inclusive ? !(x <= upper->value) : !(x < upper->value))) return false;
    return true;
}

std::string InputRange::text() const {
    if (lower && upper)
        return formatNumber(lower->value) + " " + (lower->inclusive ? "&lt;= " : "&lt; ") + "x " +
               (upper->inclusive ? "&lt;= " : "&lt; ") + formatNumber(upper->value);
    if (lower) return std::string("x ") + (lower->inclusive ? "&gt;= " : "&gt; ") + formatNumber(lower->value);
    if (upper) return std::string("x ") + (upper->inclusive ? "&lt;= " : "&lt; ") + formatNumber(upper->value);
    return "";
}

}  // namespace FLUMparse
