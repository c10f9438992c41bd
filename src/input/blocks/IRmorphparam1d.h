#pragma once
// Block PARAMETER: Parameters of the 1-D morphology.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorphparam1d final : public InputBlock {
public:
    IRmorphparam1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
