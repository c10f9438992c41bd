#include "plane/mesh/FPNodeString.h"

#include <sstream>

#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

NodeString::NodeString(const Grid& grid, std::string name, const std::vector<int>& nodeIds)
    : name_(std::move(name)), nodeIds_(nodeIds)
{
    nodes_.reserve(nodeIds_.size());
    for (int id : nodeIds_) {
        const int n = grid.nodeIndexOfId(id);
        if (n == Grid::kNone) {
            std::ostringstream s;
            s << "Node " << id << " does not exist! Check your input file! There are currently " << grid.numNodes()
              << " nodes.";
            Flumaris::fatal(s.str());
        }
        nodes_.push_back(n);
    }
}

}  // namespace FlumPlane
