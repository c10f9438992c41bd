#pragma once
// Builds the boundary conditions, inner boundaries and sources of a 2-D
// subdomain from its HYDRAULICS block.
namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {
class FLUMplane_2d;
void createBoundaryConditions(FLUMplane_2d& plane, const FLUMparse::InputBlock* hydraulics);
}  // namespace FlumPlane
