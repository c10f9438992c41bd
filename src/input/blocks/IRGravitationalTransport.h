#pragma once
// Block GRAVITATIONAL_TRANSPORT: Slope failure of steep elements.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRGravitationalTransport final : public InputBlock {
public:
    IRGravitationalTransport();

protected:
    void declare() override;
};

}  // namespace FLUMparse
