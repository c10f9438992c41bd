#pragma once
// Block CONTROLLER: A feedback controller that steers structures so that monitored values follow their targets.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcontroller final : public InputBlock {
public:
    IRcontroller();

protected:
    void declare() override;
};

}  // namespace FLUMparse
