#pragma once
// Block FRICTION: Flow resistance of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRfriction2d final : public InputBlock {
public:
    IRfriction2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
