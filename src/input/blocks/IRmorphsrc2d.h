#pragma once
// Block SOURCE: Sediment sources of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorphsrc2d final : public InputBlock {
public:
    IRmorphsrc2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
