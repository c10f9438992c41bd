#include "section/IndexLocatorTree.h"

#include "core/FlumAssert.h"

namespace Flumaris {

std::int32_t IndexLocatorTree::leaf(std::size_t row) {
    Node n;
    n.row = static_cast<std::int32_t>(row);
    nodes_.push_back(n);
    return static_cast<std::int32_t>(nodes_.size() - 1);
}

std::int32_t IndexLocatorTree::split(double value, std::int32_t left, std::int32_t right) {
    const std::int32_t i = static_cast<std::int32_t>(nodes_.size());
    nodes_.push_back(Node{value, left, right, -1});
    return i;
}

std::int32_t IndexLocatorTree::buildRange(const double* column, std::size_t start, std::size_t end) {
    FLUM_ASSERT((end - start) > 0);
    const std::size_t n = end - start;
    if (n == 1) {
        FLUM_ASSERT_MSG(start == 0, "left_index == 0");
        return leaf(start);
    }
    // The root is reserved first so that the descent starts at node 0.
    const std::int32_t self = split(0.0, -1, -1);
    std::int32_t left, right;
    double value;
    if (n == 2) {
        left = leaf(start);
        right = leaf(start + 1);
        value = column[start + 1];
    } else if (n == 3) {
        left = leaf(start);
        right = buildRange(column, start + 1, end);
        value = column[start + 1];
    } else {
        const std::size_t mid = n / 2;
        left = buildRange(column, start, start + mid);
        right = buildRange(column, start + mid, end);
        value = column[start + mid];
    }
    nodes_[static_cast<std::size_t>(self)] = Node{value, left, right, -1};
    return self;
}

void IndexLocatorTree::build(const double* column, std::size_t n) {
    nodes_.clear();
    nodes_.reserve(2 * n);
    buildRange(column, 0, n);
}

}  // namespace Flumaris
