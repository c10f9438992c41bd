#pragma once
// Block FLUM_EXTERN: A subdomain whose state lives in another process, exchanged over a network connection.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRflumextern final : public InputBlock {
public:
    IRflumextern();

protected:
    void declare() override;
};

}  // namespace FLUMparse
