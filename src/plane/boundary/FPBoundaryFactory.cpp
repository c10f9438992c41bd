#include "plane/boundary/FPBoundaryFactory.h"

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "plane/FLUMplane_2d.h"

namespace FlumPlane {

void createBoundaryConditions(FLUMplane_2d& plane, const FLUMparse::InputBlock* hydraulics) {
    if (!hydraulics) return;
    for (const char* kind : {"BOUNDARY", "INNER_BOUNDARY", "SOURCE"})
        if (!hydraulics->getBlocks(kind).empty())
            Flumaris::report(1, "Error: The " + std::string(kind) + " blocks of the subdomain '" + plane.getName() +
                                    "' cannot be computed by this version of FLUMARIS yet.\nPlease remove them.");
}

}  // namespace FlumPlane
