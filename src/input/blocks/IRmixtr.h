#pragma once
// Block MIXTURE: A grain mixture.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmixtr final : public InputBlock {
public:
    IRmixtr();

protected:
    void declare() override;
};

}  // namespace FLUMparse
