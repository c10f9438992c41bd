#pragma once
// A named, ordered list of elements chosen by mesh-file id (history outputs).
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;

class ElementString {
public:
    // An id that is not in the mesh is an error naming it.
    ElementString(const Grid& grid, std::string name, const std::vector<int>& elementIds);
    const std::string& name() const { return name_; }
    const std::vector<int>& elementIds() const { return elementIds_; }
    const std::vector<int>& elements() const { return elements_; }   // element indices

private:
    std::string name_;
    std::vector<int> elementIds_;
    std::vector<int> elements_;
};

}  // namespace FlumPlane
