#pragma once
// Block COUPLING_LATERAL: Lateral exchange over the banks between a 1-D chain and a 2-D mesh.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcouplingLateral final : public InputBlock {
public:
    IRcouplingLateral();

protected:
    void declare() override;
};

}  // namespace FLUMparse
