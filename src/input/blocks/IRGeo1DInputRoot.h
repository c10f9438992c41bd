#pragma once
// The instance root of a 1-D geometry file (block FLUMCHAIN_GEOMETRY); parsed
// with the same InputParser as the command file.
#include "input/blocks/IRGeo1DRootBlock.h"
#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRGeo1DInputRoot final : public InputRoot {
public:
    IRGeo1DInputRoot() : InputRoot(buildSchemaTree<IRGeo1DRootBlock>()) {}
};

}  // namespace FLUMparse
