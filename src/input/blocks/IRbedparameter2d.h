#pragma once
// Block PARAMETER: Parameters of the 2-D bed load.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRbedparameter2d final : public InputBlock {
public:
    IRbedparameter2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
