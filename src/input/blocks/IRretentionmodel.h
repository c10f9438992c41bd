#pragma once
// Block RETENTION_MODEL: A retention curve of a soil.
// Keys are declared in declare(), one line each (see InputBlock.h).
#include <string>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

class IRretentionmodel final : public InputBlock {
public:
    IRretentionmodel();

protected:
    void declare() override;
};

}  // namespace FLUMparse
