#pragma once
// Block SOURCE: Sources of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsrcSub final : public InputBlock {
public:
    IRsrcSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
