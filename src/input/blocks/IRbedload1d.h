#pragma once
// Block BEDLOAD: Bed load of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedload1d final : public InputBlock {
public:
    IRbedload1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
