#include "input/schema/InputRange.h"

#include <fmt/format.h>

namespace FLUMparse {

std::string formatNumber(double v) { return fmt::format("{}", v); }

bool InputRange::contains(double x) const {
    if (lower && (lower->inclusive ? !(x >= lower->value) : !(x > lower->value))) return false;
    if (upper && (upper->inclusive ? !(x <= upper->value) : !(x < upper->value))) return false;
    return true;
}

namespace {

std::string rangeText(const InputRange& r, const char* lt, const char* gt) {
    const auto op = [](const char* sign, bool inclusive) { return std::string(sign) + (inclusive ? "= " : " "); };
    if (r.lower && r.upper)
        return formatNumber(r.lower->value) + " " + op(lt, r.lower->inclusive) + "x " + op(lt, r.upper->inclusive) +
               formatNumber(r.upper->value);
    if (r.lower) return "x " + op(gt, r.lower->inclusive) + formatNumber(r.lower->value);
    if (r.upper) return "x " + op(lt, r.upper->inclusive) + formatNumber(r.upper->value);
    return "";
}

}  // namespace

std::string InputRange::text() const { return rangeText(*this, "&lt;", "&gt;"); }

std::string InputRange::plainText() const { return rangeText(*this, "<", ">"); }

}  // namespace FLUMparse
