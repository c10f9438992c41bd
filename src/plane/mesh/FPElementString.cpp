#include "plane/mesh/FPElementString.h"

#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

ElementString::ElementString(const Grid& grid, std::string name, const std::vector<int>& elementIds)
    : name_(std::move(name)), elementIds_(elementIds)
{
    elements_.reserve(elementIds_.size());
    for (int id : elementIds_) elements_.push_back(grid.elementIndexOfId(id));
}

}  // namespace FlumPlane
