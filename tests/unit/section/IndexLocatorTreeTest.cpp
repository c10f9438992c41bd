// The tree gives the last row whose value is <= x, for every table size and
// with repeated values, like a binary search over the column.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "section/IndexLocatorTree.h"

TEST(IndexLocatorTree, LastRowNotAboveTheValueForAllSizes) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> step(0, 3);  // 0 repeats the value
    for (std::size_t n = 1; n <= 40; ++n) {
        std::vector<double> col(n);
        double v = 10.0;
        for (double& c : col) c = (v += step(rng) * 0.25);
        Flumaris::IndexLocatorTree tree;
        tree.build(col.data(), n);
        for (double x = col.front() - 0.1; x <= col.back() + 0.3; x += 0.0625) {
            const auto it = std::upper_bound(col.begin(), col.end(), x);
            const std::size_t expected = it == col.begin() ? 0 : static_cast<std::size_t>(it - col.begin()) - 1;
            ASSERT_EQ(tree.locate(x), expected) << "n = " << n << ", x = " << x;
        }
    }
}
