#pragma once
// Block BOUNDARY: A boundary of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbndrSub final : public InputBlock {
public:
    IRbndrSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
