#pragma once
// Block SOIL_DEF: The soil of a part of the cross section.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRGeo1DCSSoilDef final : public InputBlock {
public:
    IRGeo1DCSSoilDef();

protected:
    void declare() override;
};

}  // namespace FLUMparse
