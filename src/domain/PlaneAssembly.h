#pragma once
// Builds a 2-D subdomain with its boundary conditions and outputs.
#include <memory>

#include "core/SubDomain.h"

namespace FLUMparse {
class InputBlock;
}

namespace Flumaris {
std::unique_ptr<SubDomain> buildPlaneSubDomain(const FLUMparse::InputBlock& block);
}
