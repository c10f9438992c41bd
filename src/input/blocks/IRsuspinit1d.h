#pragma once
// Block INITIAL: Initial suspended load of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspinit1d final : public InputBlock {
public:
    IRsuspinit1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
