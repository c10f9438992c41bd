#pragma once
// Block SOURCE: Sources of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsrc2d final : public InputBlock {
public:
    IRsrc2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
