#pragma once
// Block MORPHOLOGY: Sediment transport and bed evolution of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorph2d final : public InputBlock {
public:
    IRmorph2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
