#pragma once
// Block GEOMETRY: Geometry of the 2-D subdomain: the mesh and its named node strings.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRgeom2d final : public InputBlock {
public:
    IRgeom2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
