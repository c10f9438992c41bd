#include "input/blocks/IRflumextern.h"

#include "input/blocks/IRbndrExtern.h"

namespace FLUMparse {

IRflumextern::IRflumextern() : InputBlock("FLUM_EXTERN") {
    setDescription("A subdomain whose state lives in another process, exchanged over a network connection.");
    setExample("FLUM_EXTERN {\n"
        "}");
}

void IRflumextern::declare() {
    addString("region_name", "Name of the region.").setOneWord();
    addString("ip_address", "Address of the partner process.").setDefault("127.0.0.1");
    addInt("port", "Port of the connection; must be larger than 1000.").setDefault("5000");
    addBlock<IRbndrExtern>(Optional, Repeatable);
}

}  // namespace FLUMparse
