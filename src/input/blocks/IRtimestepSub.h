#pragma once
// Block TIMESTEP: Time stepping of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRtimestepSub final : public InputBlock {
public:
    IRtimestepSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
