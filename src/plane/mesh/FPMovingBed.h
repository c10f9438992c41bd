#pragma once
// Enforced bed movement: prescribed elevations of some mesh nodes over time.
// File: first line "0 id1 id2 ...", then one line "t z1 z2 ..." per time
// (absolute elevations, times ascending). Nodes not listed keep their elevation.
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;

class MovingBed {
public:
    // Reads the file and resolves the node ids against the grid; faults are errors.
    MovingBed(const Grid& grid, const std::string& fileName);

    // Sets the listed nodes to their elevations at time t (linear in time, the
    // last row after the end) and updates the dependent element and edge values.
    void apply(Grid& grid, double t) const;
    // Elevations of the listed nodes at time t.
    std::vector<double> elevationsAt(double t) const;

    const std::vector<int>& nodes() const { return nodes_; }

private:
    std::string fileName_;
    std::vector<int> nodes_;           // node indices
    std::vector<double> times_;        // one per row
    std::vector<double> elevations_;   // row-major: times_.size() x nodes_.size()
};

}  // namespace FlumPlane
