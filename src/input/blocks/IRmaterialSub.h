#pragma once
// Block MATERIAL: Soils of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmaterialSub final : public InputBlock {
public:
    IRmaterialSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
