#pragma once
// Block DOMAIN: The whole computational area: its subdomains, their couplings and controllers.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRdomain final : public InputBlock {
public:
    IRdomain();

protected:
    void declare() override;
};

}  // namespace FLUMparse
