#pragma once
// Block COUPLINGS: Exchange of water and sediment between subdomains.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcouplings final : public InputBlock {
public:
    IRcouplings();

protected:
    void declare() override;
};

}  // namespace FLUMparse
