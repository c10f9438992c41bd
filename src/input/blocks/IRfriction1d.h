#pragma once
// Block FRICTION: Flow resistance of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRfriction1d final : public InputBlock {
public:
    IRfriction1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
