#pragma once
// Block MORPHOLOGY: Sediment transport and bed evolution of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRmorph1d final : public InputBlock {
public:
    IRmorph1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
