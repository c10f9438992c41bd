#pragma once
// Block GRAIN_CLASS: The grain classes of the sediment.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRgrainclass final : public InputBlock {
public:
    IRgrainclass();

protected:
    void declare() override;
};

}  // namespace FLUMparse
