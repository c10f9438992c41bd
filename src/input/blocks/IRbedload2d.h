#pragma once
// Block BEDLOAD: Bed load of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedload2d final : public InputBlock {
public:
    IRbedload2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
