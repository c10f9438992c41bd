#pragma once
// Block BOUNDARY: A boundary of the external subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbndrExtern final : public InputBlock {
public:
    IRbndrExtern();

protected:
    void declare() override;
};

}  // namespace FLUMparse
