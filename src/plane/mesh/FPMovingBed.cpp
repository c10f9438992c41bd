#include "plane/mesh/FPMovingBed.h"

#include <fmt/format.h>
#include <fstream>
#include <sstream>

#include "core/FlumPath.h"
#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

MovingBed::MovingBed(const Grid& grid, const std::string& fileName) : fileName_(Flumaris::normalizePath(fileName))
{
    std::ifstream in(fileName_);
    if (!in) Flumaris::fatal("Error: The moving bed file '" + fileName_ + "' could not be opened.");
    std::string line;
    int lineNo = 0;
    auto fault = [&](const std::string& what) {
        Flumaris::fatal(fmt::format("Error in the moving bed file '{}' at line {}: {}", fileName_, lineNo, what));
    };
    while (std::getline(in, line)) {
        ++lineNo;
        std::istringstream s(line);
        double first;
        if (!(s >> first)) continue;  // blank line
        if (lineNo == 1 || nodes_.empty()) {
            if (first != 0.0) fault("the first line must start with 0 followed by the node ids.");
            int id;
            while (s >> id) {
                const int n = grid.nodeIndexOfId(id);
                if (n == Grid::kNone) fault(fmt::format("the node id {} is not in the grid file.", id));
                nodes_.push_back(n);
            }
            if (nodes_.empty()) fault("no node ids are given.");
            continue;
        }
        if (!times_.empty() && first <= times_.back()) fault("the times must increase from line to line.");
        times_.push_back(first);
        for (std::size_t k = 0; k < nodes_.size(); ++k) {
            double z;
            if (!(s >> z)) fault(fmt::format("{} elevations are expected after the time.", nodes_.size()));
            elevations_.push_back(z);
        }
    }
    if (times_.empty()) Flumaris::fatal("Error: The moving bed file '" + fileName_ + "' holds no elevations.");
    Flumaris::report(5, fmt::format("FLUMplane: moving bed activated for {} nodes.", nodes_.size()));
}

std::vector<double> MovingBed::elevationsAt(double t) const
{
    const std::size_t m = nodes_.size();
    if (t < times_.front()) {
        Flumaris::fatal(fmt::format("x-value (usually = time) smaller than first x-value of boundary serie! "
                                        "(x-value: {} first value: {})",
                                        t, times_.front()));
    }
    std::size_t r = 0;
    while (r + 1 < times_.size() && times_[r + 1] <= t) ++r;
    std::vector<double> z(elevations_.begin() + r * m, elevations_.begin() + (r + 1) * m);
    if (r + 1 < times_.size()) {
        const double w = (t - times_[r]) / (times_[r + 1] - times_[r]);
        for (std::size_t k = 0; k < m; ++k) z[k] += w * (elevations_[(r + 1) * m + k] - z[k]);
    }
    return z;
}

void MovingBed::apply(Grid& grid, double t) const
{
    const std::vector<double> z = elevationsAt(t);
    grid.updateNodeElevations(nodes_, z);
}

}  // namespace FlumPlane
