#include "input/blocks/IRsrc1d.h"

#include "input/blocks/IRextsrc1d.h"

namespace FLUMparse {

IRsrc1d::IRsrc1d() : InputBlock("SOURCE") {
    setDescription("Water sources and sinks of the 1-D subdomain: lateral inflows along the chain (tributaries, drains, pumps) given as discharge series, each acting on the elements it names. A negative discharge takes water out.");
    setExample(
        "SOURCE {\n"
        "   EXTERNAL_SOURCE {\n"
        "      name = brook\n"
        "      type = qlateral\n"
        "      file = brook.txt\n"
        "      cross_section = km_12.450\n"
        "      side = left\n"
        "   }\n"
        "}");
}

void IRsrc1d::declare() {
    addBlock<IRextsrc1d>(Optional, Repeatable);
}

}  // namespace FLUMparse
