#pragma once
// Block TURBULENCE_MODEL: Turbulence model of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRturbulence2d final : public InputBlock {
public:
    IRturbulence2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
