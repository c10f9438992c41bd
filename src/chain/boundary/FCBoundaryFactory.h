#pragma once
// The chain's flux objects from the HYDRAULICS block: the boundaries of both
// ends (several at one end form a MultiBoundary), the inner structures and
// the lateral sources, with the checks across blocks.
#include <string>
#include <vector>

namespace FLUMparse {
class InputBlock;
}

namespace FlumChain {

class Hydraulics;

void createFluxObjects(const FLUMparse::InputBlock& hydraulics, Hydraulics& h);

// The words of the family tables, for the schema check.
std::vector<std::string> boundaryTypeWords();
std::vector<std::string> innerTypeWords();
std::vector<std::string> sourceTypeWords();

}  // namespace FlumChain
