#pragma once
// Block INITIAL: Initial condition of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRic1d final : public InputBlock {
public:
    IRic1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
