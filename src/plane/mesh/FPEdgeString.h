#pragma once
// A named chain of mesh edges through successive nodes (a STRINGDEF), used by
// boundary conditions, inner boundaries, outputs and controllers.
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;

// Side of the string, looking from its first towards its second node, that is upstream.
enum class UpstreamDirection { Undefined, Left, Right };

// "left" / "right" (any case); another word is an error naming it.
UpstreamDirection upstreamDirectionFromWord(const std::string& word);

struct StringDef {
    std::string name;
    std::vector<int> nodeIds;   // mesh-file ids, in string order
    UpstreamDirection upstream = UpstreamDirection::Undefined;
};

class EdgeString {
public:
    // Needs at least two nodes, all in the mesh, each successive pair joined by an edge.
    EdgeString(const Grid& grid, const StringDef& def);

    const std::string& name() const { return name_; }
    const std::vector<int>& nodeIds() const { return nodeIds_; }
    const std::vector<int>& nodes() const { return nodes_; }   // node indices
    const std::vector<int>& edges() const { return edges_; }   // edge k joins nodes k and k+1
    // +1 where edge k runs from node k to node k+1 (its node1 -> node2), else -1.
    // An edge flux times this sign is positive towards the right of the string.
    const std::vector<double>& edgeSigns() const { return edgeSigns_; }
    UpstreamDirection upstreamDirection() const { return upstream_; }
    bool hasUpstreamDirection() const { return upstream_ != UpstreamDirection::Undefined; }

private:
    std::string name_;
    std::vector<int> nodeIds_;
    std::vector<int> nodes_;
    std::vector<int> edges_;
    std::vector<double> edgeSigns_;
    UpstreamDirection upstream_;
};

}  // namespace FlumPlane
