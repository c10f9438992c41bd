#pragma once
// Block APPARENT_COHESION: Apparent cohesion of partly saturated bed material.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRapparentCohesion final : public InputBlock {
public:
    IRapparentCohesion();

protected:
    void declare() override;
};

}  // namespace FLUMparse
