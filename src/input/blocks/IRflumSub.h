#pragma once
// Block FLUMSUB: A subsurface subdomain (lattice model of variably saturated ground-water flow).
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRflumSub final : public InputBlock {
public:
    IRflumSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
