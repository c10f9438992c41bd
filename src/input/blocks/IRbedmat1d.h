#pragma once
// Block BEDMATERIAL: Bed material of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedmat1d final : public InputBlock {
public:
    IRbedmat1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
