#include "input/blocks/IRflumaris.h"

#include "input/blocks/IRdomain.h"
#include "input/blocks/IRproject.h"

namespace FLUMparse {

IRflumaris::IRflumaris() : InputBlock("FLUMARIS") {
    setDescription("The command file itself; never written in the file.");
    setExample("PROJECT {\n"
        "   title = demo\n"
        "}\n"
        "DOMAIN {\n"
        "   FLUMPLANE_2D {\n"
        "      region_name = river\n"
        "   }\n"
        "}");
}

void IRflumaris::declare() {
    addBlock<IRproject>(Mandatory, Single);
    addBlock<IRdomain>(Mandatory, Single);
}

}  // namespace FLUMparse
