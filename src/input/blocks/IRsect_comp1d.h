#pragma once
// Block SECTION_COMPUTATION: How the hydraulic functions of the cross sections are evaluated.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsect_comp1d final : public InputBlock {
public:
    IRsect_comp1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
