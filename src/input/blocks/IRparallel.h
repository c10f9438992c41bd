#pragma once
// Block PARALLEL: Parallel execution of the subdomains' element and edge loops.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRparallel final : public InputBlock {
public:
    IRparallel();

protected:
    void declare() override;
};

}  // namespace FLUMparse
