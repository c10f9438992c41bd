#pragma once
// Command-file pieces shared by the boundary tests.
#include <fmt/format.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "unit/plane/PlaneCase.h"

namespace flumtest {

inline std::string stringDef(const std::string& name, const std::vector<int>& ids) {
    std::string list;
    for (int id : ids) list += fmt::format(" {}", id);
    return fmt::format("      STRINGDEF {{\n        name = {}\n        node_ids = ({} )\n      }}\n", name, list);
}

// Node ids of the column i of a rectangularMesh, from y0 upwards.
inline std::vector<int> columnIds(const MeshLayout& m, int i) {
    std::vector<int> ids;
    for (int j = 0; j <= m.ny; ++j) ids.push_back(j * (m.nx + 1) + i + 1);
    return ids;
}

inline std::string block(const std::string& name, const std::vector<std::string>& lines) {
    std::string out = fmt::format("      {} {{\n", name);
    for (const auto& l : lines) out += fmt::format("        {}\n", l);
    out += "      }\n";
    return out;
}

// A SOURCE block around the given EXTERNAL_SOURCE blocks.
inline std::string sources(const std::string& inner) { return fmt::format("      SOURCE {{\n{}      }}\n", inner); }

inline std::string friction(double n, const std::string& more = "") {
    return block("FRICTION", {"type = manning", fmt::format("default_friction = {}", n), "wall_friction = no", more});
}

inline std::string initialDepth(double h) {
    return block("INITIAL", {"type = index_table", "index = ( 1 )", fmt::format("h = ( {} )", h)});
}

}  // namespace flumtest
