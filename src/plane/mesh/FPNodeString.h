#pragma once
// A named, ordered list of nodes chosen by mesh-file id (history outputs).
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;

class NodeString {
public:
    // An id that is not in the mesh is an error naming it.
    NodeString(const Grid& grid, std::string name, const std::vector<int>& nodeIds);
    const std::string& name() const { return name_; }
    const std::vector<int>& nodeIds() const { return nodeIds_; }
    const std::vector<int>& nodes() const { return nodes_; }   // node indices

private:
    std::string name_;
    std::vector<int> nodeIds_;
    std::vector<int> nodes_;
};

}  // namespace FlumPlane
