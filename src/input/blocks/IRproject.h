#pragma once
// Block PROJECT: Meta information about the project: title, author and date. The only block without further blocks.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRproject final : public InputBlock {
public:
    IRproject();

protected:
    void declare() override;
};

}  // namespace FLUMparse
