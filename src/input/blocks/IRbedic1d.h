#pragma once
// Block INITIAL: Initial bed of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedic1d final : public InputBlock {
public:
    IRbedic1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
