#pragma once
// Block BOUNDARY: A boundary condition of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbndr2d final : public InputBlock {
public:
    IRbndr2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
