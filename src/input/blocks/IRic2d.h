#pragma once
// Block INITIAL: Initial condition of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRic2d final : public InputBlock {
public:
    IRic2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
