#pragma once
// Block FLUMCHAIN_GEOMETRY: The 1-D geometry file: one CROSS_SECTION block per surveyed section.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRGeo1DRootBlock : public InputBlock {
public:
    IRGeo1DRootBlock();

protected:
    void declare() override;
};

}  // namespace FLUMparse
