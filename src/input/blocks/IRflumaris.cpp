#include "input/blocks/IRflumaris.h"

#include "input/blocks/IRdomain.h"
#include "input/blocks/IRproject.h"

namespace FLUMparse {

IRflumaris::IRflumaris() : InputBlock("FLUMARIS") {
    setDescription(
        "The command file itself; it is never written as a block. "
        "It holds exactly one PROJECT block with the meta information of the run and one DOMAIN block with the "
        "subdomains and their connections; every other block sits inside DOMAIN. "
        "Blocks are written as NAME { ... }, keys as key = value (one per line), lists in parentheses and "
        "comments with // or /* */. "
        "Relative file names in any block are read from the directory of the command file.");
    setExample("PROJECT {\n"
        "   title = Emme_reach\n"
        "   author = hydro_team\n"
        "}\n"
        "DOMAIN {\n"
        "   FLUMPLANE_2D {\n"
        "      region_name = reach\n"
        "      GEOMETRY {\n"
        "         file = mesh/reach.2dm\n"
        "      }\n"
        "      HYDRAULICS {\n"
        "         FRICTION {\n"
        "            type = strickler\n"
        "            default_friction = 30\n"
        "         }\n"
        "      }\n"
        "      TIMESTEP {\n"
        "         total_run_time = 3600\n"
        "      }\n"
        "   }\n"
        "}");
}

void IRflumaris::declare() {
    addBlock<IRproject>(Mandatory, Single);
    addBlock<IRdomain>(Mandatory, Single);
}

}  // namespace FLUMparse
