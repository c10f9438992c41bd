#pragma once
// Block SOIL_ASSIGNMENT: Assignment of soils to the bed.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsoilass final : public InputBlock {
public:
    IRsoilass();

protected:
    void declare() override;
};

}  // namespace FLUMparse
