#pragma once
// Block LAYER: A layer of a soil.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsublayer final : public InputBlock {
public:
    IRsublayer();

protected:
    void declare() override;
};

}  // namespace FLUMparse
