#pragma once
// The parsed tree written back as command-file text (for the log). The text
// parses again to the same tree: tags first, in file order, then the blocks
// in file order, each indented by three blanks per level.
#include <functional>
#include <string>

namespace FLUMparse {

class InputBlock;
class InputTag;

std::string echoInput(const InputBlock& root);

// The same text with some values replaced: rewrite(block, tag, text) may set
// text to the value to write instead and return true (the topography restart
// writes the current nodes of each section this way).
using EchoRewrite = std::function<bool(const InputBlock&, const InputTag&, std::string&)>;
std::string echoInput(const InputBlock& root, const EchoRewrite& rewrite);

}  // namespace FLUMparse
