#pragma once
// Block SOIL_DEF: A soil: its layers.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsoildef final : public InputBlock {
public:
    IRsoildef();

protected:
    void declare() override;
};

}  // namespace FLUMparse
