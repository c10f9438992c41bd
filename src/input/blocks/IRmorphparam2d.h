#pragma once
// Block PARAMETER: Parameters of the 2-D morphology.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorphparam2d final : public InputBlock {
public:
    IRmorphparam2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
