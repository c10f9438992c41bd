#pragma once
// Block OUTPUT: Output of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRoutput1d final : public InputBlock {
public:
    IRoutput1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
