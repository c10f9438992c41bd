#pragma once
// Block OUTPUT: Output of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRoutput2d final : public InputBlock {
public:
    IRoutput2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
