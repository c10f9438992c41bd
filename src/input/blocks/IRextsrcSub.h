#pragma once
// Block EXTERNAL_SOURCE: An external source of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRextsrcSub final : public InputBlock {
public:
    IRextsrcSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
