#pragma once
// Block BOUNDARY: A suspended-load boundary of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspbndr1d final : public InputBlock {
public:
    IRsuspbndr1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
