#pragma once
// Block OUTPUT: Output of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRoutputSub final : public InputBlock {
public:
    IRoutputSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
