#pragma once
// Block SOURCE: Sediment sources of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorphsrc1d final : public InputBlock {
public:
    IRmorphsrc1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
