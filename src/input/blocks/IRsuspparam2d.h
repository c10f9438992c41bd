#pragma once
// Block PARAMETER: Parameters of the 2-D suspended load.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspparam2d final : public InputBlock {
public:
    IRsuspparam2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
