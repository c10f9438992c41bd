#pragma once
// Block GEOMETRY: Geometry of the 1-D subdomain: the FMG file and the order of its cross sections.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRgeom1d final : public InputBlock {
public:
    IRgeom1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
