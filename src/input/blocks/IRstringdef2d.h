#pragma once
// Block STRINGDEF: A named string of nodes or edges of the mesh.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRstringdef2d final : public InputBlock {
public:
    IRstringdef2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
