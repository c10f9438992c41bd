#pragma once
// Block EXTERNAL_SOURCE: An external sediment source of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorphextsrc1d final : public InputBlock {
public:
    IRmorphextsrc1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
