#include "domain/ChainAssembly.h"

#include "chain/FLUMchain_1d.h"

namespace Flumaris {

std::unique_ptr<SubDomain> buildChainSubDomain(const FLUMparse::InputBlock& block) {
    return std::make_unique<FlumChain::FLUMchain_1d>(block);
}

}  // namespace Flumaris
