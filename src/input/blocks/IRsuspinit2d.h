#pragma once
// Block INITIAL: Initial suspended load of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspinit2d final : public InputBlock {
public:
    IRsuspinit2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
