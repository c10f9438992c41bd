#pragma once
// Block GEOMETRY: Geometry of the subsurface subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRgeomSub final : public InputBlock {
public:
    IRgeomSub();

protected:
    void declare() override;
};

}  // namespace FLUMparse
