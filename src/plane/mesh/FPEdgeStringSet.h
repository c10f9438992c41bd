#pragma once
// The edge strings of one grid, looked up by their unique names.
#include <string>
#include <vector>

#include "plane/mesh/FPEdgeString.h"

namespace FlumPlane {

class EdgeStringSet {
public:
    // Builds the string; a name used before is an error.
    const EdgeString& add(const Grid& grid, const StringDef& def);
    // nullptr when no string has that name.
    const EdgeString* find(const std::string& name) const;
    std::size_t size() const { return strings_.size(); }
    const EdgeString& operator[](std::size_t i) const { return strings_[i]; }

private:
    std::vector<EdgeString> strings_;
};

}  // namespace FlumPlane
