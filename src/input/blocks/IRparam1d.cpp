#include "input/blocks/IRparam1d.h"

#include "input/blocks/IRsect_comp1d.h"

namespace FLUMparse {

IRparam1d::IRparam1d() : InputBlock("PARAMETER") {
    setDescription("Parameters of the 1-D hydraulic solver.");
    setExample("PARAMETER {\n"
        "}");
}

void IRparam1d::declare() {
    addBlock<IRsect_comp1d>(Optional, Single);
}

}  // namespace FLUMparse
