#pragma once
// Block BOUNDARY: A bed-load boundary of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedbndr2d final : public InputBlock {
public:
    IRbedbndr2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
