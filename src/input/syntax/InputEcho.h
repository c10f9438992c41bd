#pragma once
// The parsed tree written back as command-file text (for the log). The text
// parses again to the same tree: tags first, in file order, then the blocks
// in file order, each indented by three blanks per level.
#include <string>

namespace FLUMparse {

class InputBlock;

std::string echoInput(const InputBlock& root);

}  // namespace FLUMparse
