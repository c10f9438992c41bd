#pragma once
// Block SOURCE: Suspended-load sources of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspsrc1d final : public InputBlock {
public:
    IRsuspsrc1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
