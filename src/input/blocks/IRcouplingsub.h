#pragma once
// Block (named by its parent): The coupling interfaces that exchange one quantity (HYDRAULICS, BEDLOAD, SUSPENSION or SUBSURFACE).
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRcouplingsub final : public InputBlock {
public:
    explicit IRcouplingsub(const std::string& name);

protected:
    void declare() override;
};

}  // namespace FLUMparse
