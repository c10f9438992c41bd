#pragma once
// Small numeric helpers for the hot loops.
#include <bit>
#include <cmath>
#include <cstdint>

namespace Flumaris {

// x^(1/3) for x >= 0, as friction laws need it once per element and step:
// an exponent-dividing first guess (3e-2), two Halley steps, which
// triple the correct digits (1e-5, 1e-15), and a last Newton step written as a
// small correction, which leaves the round-off of a library cbrt. Inlined and
// free of library calls; std::cbrt takes zero, subnormal and special values.
inline double cbrtPositive(double x) {
    if (!(x >= 0x1p-1022) || !(x <= 0x1p+1023)) return std::cbrt(x);
    std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    bits = bits / 3 + 0x2A9F7893782DA1CEULL;
    double y = std::bit_cast<double>(bits);
    for (int k = 0; k < 2; ++k) {
        const double y3 = y * y * y;
        y *= (y3 + 2.0 * x) / (2.0 * y3 + x);
    }
    return y - (y - x / (y * y)) / 3.0;
}

// x^(1/6), the depth factor of Manning and Strickler laws.
inline double sixthRoot(double x) { return cbrtPositive(std::sqrt(x)); }

}  // namespace Flumaris
