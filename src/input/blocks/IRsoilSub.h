#pragma once
// Block SOIL_DEF: A soil of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsoilSub final : public InputBlock {
public:
    IRsoilSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
