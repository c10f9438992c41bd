#pragma once
// Block SPECIAL_OUTPUT: A special output of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRspecout2d final : public InputBlock {
public:
    IRspecout2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
