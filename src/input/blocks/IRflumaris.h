#pragma once
// Block FLUMARIS: The command file itself; never written in the file.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRflumaris : public InputBlock {
public:
    IRflumaris();

protected:
    void declare() override;
};

}  // namespace FLUMparse
