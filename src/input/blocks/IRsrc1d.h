#pragma once
// Block SOURCE: Lateral sources of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsrc1d final : public InputBlock {
public:
    IRsrc1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
