#pragma once
// Block FIXED_BED: A fixed (non-erodible) bed of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRfixbed2d final : public InputBlock {
public:
    IRfixbed2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
