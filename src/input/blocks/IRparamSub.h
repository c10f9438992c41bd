#pragma once
// Block PARAMETER: Parameters of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRparamSub final : public InputBlock {
public:
    IRparamSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
