#pragma once
// Block MANIPULATED_VARIABLE: A structure value the controller sets (gate opening, weir height, discharge).
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRctrlmanipulatedvar final : public InputBlock {
public:
    IRctrlmanipulatedvar();

protected:
    void declare() override;
};

}  // namespace FLUMparse
