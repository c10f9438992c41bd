#pragma once
// Builds the boundary conditions, inner structures and sources of a 2-D
// subdomain from its HYDRAULICS block. Each family is one table of
// {word, creator}; the coupled form of a boundary is a column of its row.
#include <memory>
#include <string>
#include <vector>

#include "plane/boundary/FPBoundaryCondition.h"

namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {
class PlaneView;

// In file order: BOUNDARY blocks, INNER_BOUNDARY blocks, then EXTERNAL_SOURCE blocks.
std::vector<std::unique_ptr<FPBoundaryCondition>> createBoundaryConditions(const PlaneView& plane,
                                                                           const FLUMparse::InputBlock* hydraulics);

// The words each family knows (the schema lists the same words).
std::vector<std::string> boundaryTypeWords();
std::vector<std::string> innerBoundaryTypeWords();
std::vector<std::string> sourceTypeWords();
}  // namespace FlumPlane
