#pragma once
// Block INNER_BOUNDARY: An inner boundary (weir, gate) of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRinnerboundary2d final : public InputBlock {
public:
    IRinnerboundary2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
