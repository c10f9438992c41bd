#pragma once
// Block BOUNDARY: A bed-load boundary of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedbndr1d final : public InputBlock {
public:
    IRbedbndr1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
