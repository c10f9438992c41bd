// The inlined cube root against a long-double reference, and its edge values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/FlumMath.h"

using Flumaris::cbrtPositive;

TEST(FlumMath, CubeRootWithinOneUlpOverAllDecades) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = std::ldexp(mantissa(rng), static_cast<int>(rng() % 2040) - 1020);
        const long double exact = cbrtl(static_cast<long double>(x));
        const double ref = static_cast<double>(exact);
        const double ulp = std::nextafter(ref, 2.0 * ref) - ref;
        ASSERT_LE(std::fabs(static_cast<long double>(cbrtPositive(x)) - exact), ulp) << "x = " << x;
    }
    EXPECT_EQ(cbrtPositive(8.0), 2.0);
    EXPECT_EQ(Flumaris::sixthRoot(64.0), 2.0);
}

TEST(FlumMath, CubeRootEdgeValuesFollowTheLibrary) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(cbrtPositive(0.0), 0.0);
    EXPECT_EQ(cbrtPositive(inf), inf);
    EXPECT_TRUE(std::isnan(cbrtPositive(std::nan(""))));
    const double sub = std::numeric_limits<double>::denorm_min() * 12345.0;
    EXPECT_EQ(cbrtPositive(sub), std::cbrt(sub));
    EXPECT_EQ(cbrtPositive(std::numeric_limits<double>::max()), std::cbrt(std::numeric_limits<double>::max()));
}
