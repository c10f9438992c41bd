#pragma once
// Block SUSPENDED_LOAD: Suspended load of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspload1d final : public InputBlock {
public:
    IRsuspload1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
