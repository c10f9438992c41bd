#pragma once
// Block FLUMPLANE_2D: A two-dimensional subdomain on an unstructured mesh of triangles and quadrilaterals.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRflumplane final : public InputBlock {
public:
    IRflumplane();

protected:
    void declare() override;
};

}  // namespace FLUMparse
