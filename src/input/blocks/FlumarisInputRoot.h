#pragma once
// The instance root of a command file (block FLUMARIS), owning the schema of
// the whole block tree:
//
//   FLUMparse::FlumarisInputRoot root;
//   FLUMparse::readCommandFile(path, root);        // level-1 error on syntax faults
//   std::string echo = FLUMparse::echoInput(root);  // for the log
//   FLUMparse::ValidationReport r = root.validate();
//   if (r.hasErrors()) report(1, "Your input file has errors:\n" + r.text);
//   else report(5, "Domain: " + r.text);
//   FLUMparse::applyPhysicalProperties(root);
//   const InputBlock& domain = root.getBlock("DOMAIN");
#include "input/blocks/IRflumaris.h"
#include "input/blocks/IRphysprop.h"
#include "input/schema/InputBlock.h"

namespace FLUMparse {

class FlumarisInputRoot final : public InputRoot {
public:
    FlumarisInputRoot() : InputRoot(buildSchemaTree<IRflumaris>()) {}
};

}  // namespace FLUMparse
