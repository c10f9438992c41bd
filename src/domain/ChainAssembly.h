#pragma once
// Builds a 1-D subdomain from its FLUMCHAIN_1D block.
#include <memory>

#include "core/SubDomain.h"

namespace FLUMparse {
class InputBlock;
}

namespace Flumaris {
std::unique_ptr<SubDomain> buildChainSubDomain(const FLUMparse::InputBlock& block);
}
