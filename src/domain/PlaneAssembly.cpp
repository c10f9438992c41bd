#include "domain/PlaneAssembly.h"

#include "plane/FLUMplane_2d.h"

namespace Flumaris {

std::unique_ptr<SubDomain> buildPlaneSubDomain(const FLUMparse::InputBlock& block) {
    return std::make_unique<FlumPlane::FLUMplane_2d>(block);
}

}  // namespace Flumaris
