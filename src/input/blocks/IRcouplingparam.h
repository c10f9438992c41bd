#pragma once
// Block PARAMETER: Time stepping and network settings of coupled runs.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcouplingparam final : public InputBlock {
public:
    IRcouplingparam();

protected:
    void declare() override;
};

}  // namespace FLUMparse
