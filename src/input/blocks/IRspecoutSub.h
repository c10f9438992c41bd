#pragma once
// Block SPECIAL_OUTPUT: A special output of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRspecoutSub final : public InputBlock {
public:
    IRspecoutSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
