#pragma once
// Block BOUNDARY: A boundary condition of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbndr1d final : public InputBlock {
public:
    IRbndr1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
