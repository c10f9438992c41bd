#include "plane/mesh/FPEdgeString.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

UpstreamDirection upstreamDirectionFromWord(const std::string& word)
{
    std::string w = word;
    std::transform(w.begin(), w.end(), w.begin(), [](unsigned char c) { return std::tolower(c); });
    if (w == "left") return UpstreamDirection::Left;
    if (w == "right") return UpstreamDirection::Right;
    Flumaris::fatal("Unknown upstream_direction '" + word +
                            "' in a STRINGDEF block.\nPlease choose 'left' or 'right' and correct the command file.");
    return UpstreamDirection::Undefined;
}

EdgeString::EdgeString(const Grid& grid, const StringDef& def)
    : name_(def.name), nodeIds_(def.nodeIds), upstream_(def.upstream)
{
    if (nodeIds_.size() < 2) {
        Flumaris::fatal("The STRINGDEF with name '" + name_ +
                                "' has too few node id's assigned. You have to specify at least two node id's to "
                                "define a string.");
    }
    nodes_.reserve(nodeIds_.size());
    for (int id : nodeIds_) {
        const int n = grid.nodeIndexOfId(id);
        if (n == Grid::kNone) {
            std::ostringstream s;
            s << "The STRINGDEF with name '" << name_ << "' contains the node id " << id
              << ", which is not in the grid file.\nPlease correct the node_ids of this STRINGDEF.";
            Flumaris::fatal(s.str());
        }
        nodes_.push_back(n);
    }
    for (std::size_t k = 0; k + 1 < nodes_.size(); ++k) {
        const int i = grid.findEdge(nodes_[k], nodes_[k + 1]);
        if (i == Grid::kNone) {
            std::ostringstream s;
            s << "The STRINGDEF with name '" << name_ << "': the nodes " << nodeIds_[k] << " and " << nodeIds_[k + 1]
              << " are not joined by an edge of the grid.\nSuccessive node id's of a string must share an edge; "
                 "please correct the node_ids of this STRINGDEF.";
            Flumaris::fatal(s.str());
        }
        edges_.push_back(i);
        edgeSigns_.push_back(grid.edgeNode1_[i] == nodes_[k] ? 1.0 : -1.0);
    }
}

}  // namespace FlumPlane
