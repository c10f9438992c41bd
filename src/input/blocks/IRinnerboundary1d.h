#pragma once
// Block INNER_BOUNDARY: An inner boundary (weir, gate) of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRinnerboundary1d final : public InputBlock {
public:
    IRinnerboundary1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
