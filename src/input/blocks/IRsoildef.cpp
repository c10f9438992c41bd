#include "input/blocks/IRsoildef.h"

#include "input/blocks/IRsublayer.h"

namespace FLUMparse {

IRsoildef::IRsoildef() : InputBlock("SOIL_DEF") {
    setDescription("A soil: its layers.");
    setExample("SOIL_DEF {\n"
        "}");
}

void IRsoildef::declare() {
    addBlock<IRsublayer>(Optional, Repeatable);
}

}  // namespace FLUMparse
