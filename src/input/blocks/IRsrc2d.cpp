#include "input/blocks/IRsrc2d.h"

#include "input/blocks/IRextsrc2d.h"

namespace FLUMparse {

IRsrc2d::IRsrc2d() : InputBlock("SOURCE") {
    setDescription(
        "Sources of the 2-D subdomain: inflows and withdrawals of water that enter directly on elements instead "
        "of over a boundary, such as tributaries, sewer outlets, pumping stations or rainfall on a zone. "
        "Each source is an EXTERNAL_SOURCE block; the SOURCE block only groups them and may be repeated.");
    setExample("SOURCE {\n"
        "   EXTERNAL_SOURCE {\n"
        "      name = tributary\n"
        "      source_file = series/tributary_Q.txt\n"
        "      element_ids = ( 2041 2042 )\n"
        "   }\n"
        "   EXTERNAL_SOURCE {\n"
        "      name = pumping_station\n"
        "      source_file = series/pump_Q.txt\n"
        "      index = ( 7 )\n"
        "   }\n"
        "}");
}

void IRsrc2d::declare() {
    addBlock<IRextsrc2d>(Optional, Repeatable);
}

}  // namespace FLUMparse
