#pragma once
// Block CROSS_SECTION: A surveyed cross section: its nodes from left to right and the ranges of its slices.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRGeo1DCrossSection final : public InputBlock {
public:
    IRGeo1DCrossSection();

protected:
    void declare() override;
};

}  // namespace FLUMparse
