#pragma once
// Block HYDRAULICS: Hydraulics of the 1-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRhydr1d final : public InputBlock {
public:
    IRhydr1d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
