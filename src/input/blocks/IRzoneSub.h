#pragma once
// Block ZONE: A zone of the subsurface lattice.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRzoneSub final : public InputBlock {
public:
    IRzoneSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
