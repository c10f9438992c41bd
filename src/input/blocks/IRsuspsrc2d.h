#pragma once
// Block SOURCE: Suspended-load sources of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspsrc2d final : public InputBlock {
public:
    IRsuspsrc2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
