#pragma once
// Block INITIAL: Initial bed of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedic2d final : public InputBlock {
public:
    IRbedic2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
