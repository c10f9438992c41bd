#pragma once
// A balanced binary search tree over one ascending column of a table, built
// once: locate(x) is the last row whose value is <= x (row 0 for x below the
// column). Nodes sit in one array and refer to each other by index, so that a
// look-up is a short descent through contiguous memory.
#include <cstdint>
#include <vector>

namespace Flumaris {

class IndexLocatorTree {
public:
    IndexLocatorTree() = default;
    // column[0 .. n) ascending (equal neighbours allowed), n >= 1.
    void build(const double* column, std::size_t n);
    bool empty() const { return nodes_.empty(); }

    std::size_t locate(double x) const {
        std::int32_t i = 0;
        while (nodes_[static_cast<std::size_t>(i)].left >= 0) {
            const Node& n = nodes_[static_cast<std::size_t>(i)];
            i = n.split > x ? n.left : n.right;
        }
        return static_cast<std::size_t>(nodes_[static_cast<std::size_t>(i)].row);
    }

private:
    struct Node {
        double split = 0.0;
        std::int32_t left = -1;  // -1: leaf
        std::int32_t right = -1;
        std::int32_t row = -1;
    };
    std::int32_t leaf(std::size_t row);
    std::int32_t split(double value, std::int32_t left, std::int32_t right);
    // Subtree over rows [start, end).
    std::int32_t buildRange(const double* column, std::size_t start, std::size_t end);

    std::vector<Node> nodes_;
};

}  // namespace Flumaris
