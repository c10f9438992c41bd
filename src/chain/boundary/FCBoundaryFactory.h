#pragma once
// The chain's flux objects from the HYDRAULICS block: the boundaries of both
// ends (several at one end form a MultiBoundary), the inner structures and
// the lateral sources, with the checks across blocks.
#include <functional>
#include <string>
#include <vector>

namespace FLUMparse {
class InputBlock;
}
namespace Flumaris {
class CouplingInterface;
}

namespace FlumChain {

class Hydraulics;

// Receives the coupling interface of every coupled boundary.
using InterfaceSink = std::function<void(Flumaris::CouplingInterface*)>;

void createFluxObjects(const FLUMparse::InputBlock& hydraulics, Hydraulics& h, const InterfaceSink& sink);

// The words of the family tables, for the schema check.
std::vector<std::string> boundaryTypeWords();
std::vector<std::string> innerTypeWords();
std::vector<std::string> sourceTypeWords();

}  // namespace FlumChain
