#pragma once
// Block BOUNDARY: A boundary node string of the mesh.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRgeombc2d final : public InputBlock {
public:
    IRgeombc2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
