#include "section/Tables.h"

#include <fmt/format.h>
#include <ostream>

#include "core/FlumAssert.h"

namespace Flumaris {

void Tables::clear() {
    for (auto& c : cols_) c.clear();
    treeZ_ = IndexLocatorTree();
    treeA_ = IndexLocatorTree();
}

void Tables::build(const std::vector<double>& levels, const std::function<SectionRow(double)>& evaluate) {
    clear();
    FLUM_ASSERT_MSG(levels.size() != 1, "table_[0].size() equals one, but I expect 0 or at least 2 values.");
    for (auto& c : cols_) c.reserve(levels.size());
    for (double z : levels) {
        const SectionRow r = evaluate(z);
        for (std::size_t c = 0; c < kNumColumns; ++c) cols_[c].push_back(r[c]);
    }
    if (levels.empty()) return;
    treeZ_.build(cols_[ColZ].data(), numRows());
    treeA_.build(cols_[ColArea].data(), numRows());
}

Tables::Where Tables::locate(double x, std::size_t s, std::size_t& k, double& q) const {
    const std::vector<double>& col = cols_[s];
    if (x < col.front()) return Where::Below;
    if (x > col.back()) return Where::Above;
    k = (s == ColZ ? treeZ_ : treeA_).locate(x);
    if (k + 1 >= col.size()) k = col.size() - 2;  // the last value interpolates in the last interval
    const double span = col[k + 1] - col[k];
    q = span > 0.0 ? (x - col[k]) / span : 0.0;
    return Where::Inside;
}

Tables::Where Tables::lookup(double x, std::size_t s, std::size_t t, double& value) const {
    std::size_t k = 0;
    double q = 0.0;
    const Where w = locate(x, s, k, q);
    if (w == Where::Inside) value = interpolate(k, q, t);
    return w;
}

void Tables::write(std::ostream& out, const std::string& sectionName) const {
    std::string text = fmt::format("cross section: {}\n", sectionName);
    text += "nr       elevat.          area          ared    conveyance         width    Hperimeter\n";
    text += "    [m asl.]         [m&2]         [m&2]       [m&3/s]           [m]           [m]\n";
    for (std::size_t r = 0; r < numRows(); ++r)
        text += fmt::format("{:<4d}{:11.4f}{:14.4f}{:14.4f}{:14.4f}{:14.4f}{:14.4f}\n", r + 1, cols_[ColZ][r],
                            cols_[ColArea][r], cols_[ColReducedArea][r], cols_[ColConveyance][r], cols_[ColWidth][r],
                            cols_[ColPerimeter][r]);
    out << text;
}

}  // namespace Flumaris
