#pragma once
// Block PARAMETER: Parameters of the 1-D hydraulic solver.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRparam1d final : public InputBlock {
public:
    IRparam1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
