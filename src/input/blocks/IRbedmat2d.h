#pragma once
// Block BEDMATERIAL: Bed material of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedmat2d final : public InputBlock {
public:
    IRbedmat2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
