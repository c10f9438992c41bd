#pragma once
// Block COUPLING: One coupling of subdomains by region name.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcoupling final : public InputBlock {
public:
    IRcoupling();

protected:
    void declare() override;
};

}  // namespace FLUMparse
