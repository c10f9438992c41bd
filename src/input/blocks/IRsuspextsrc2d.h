#pragma once
// Block EXTERNAL_SOURCE: An external suspended-load source of the 2-D subdomain.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRsuspextsrc2d final : public InputBlock {
public:
    IRsuspextsrc2d();

protected:
    void declare() override;
};

}  // namespace FLUMparse
