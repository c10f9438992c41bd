#pragma once
// Block PHYSICAL_PROPERTIES: Physical constants of the fluid. Keys that are not given keep the program's defaults.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

// Hands the values that the command file gives to ProgramSettings (g through
// setGravity, so that its derived constants follow); absent keys keep the
// settings' values. `root` is the instance root of a command file.
void applyPhysicalProperties(const InputBlock& root);

class IRphysprop final : public InputBlock {
public:
    IRphysprop();

protected:
    void declare() override;
};

}  // namespace FLUMparse
