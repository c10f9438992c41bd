#pragma once
// Block TIMESTEP: Time stepping of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRtimestep2d final : public InputBlock {
public:
    IRtimestep2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
