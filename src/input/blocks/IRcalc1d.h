#pragma once
// Block FLUMCHAIN_1D: A one-dimensional subdomain: a chain of surveyed cross sections.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcalc1d final : public InputBlock {
public:
    IRcalc1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
