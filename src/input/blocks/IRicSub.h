#pragma once
// Block INITIAL: Initial condition of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRicSub final : public InputBlock {
public:
    IRicSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
