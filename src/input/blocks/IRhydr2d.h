#pragma once
// Block HYDRAULICS: Hydraulics of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRhydr2d final : public InputBlock {
public:
    IRhydr2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
