#pragma once
// Block TIMESTEP: Time stepping of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRtimestep1d final : public InputBlock {
public:
    IRtimestep1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
