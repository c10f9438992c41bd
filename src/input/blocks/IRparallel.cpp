#include "input/blocks/IRparallel.h"

namespace FLUMparse {

IRparallel::IRparallel() : InputBlock("PARALLEL") {
    setDescription("Parallel execution of the subdomains' element and edge loops.");
    setExample("PARALLEL {\n"
        "   number_threads = 2\n"
        "}");
}

void IRparallel::declare() {
    addInt("number_threads", "Number of OpenMP threads; 1 means sequential, 0 (or less) all cores. More threads than cores are capped at the number of cores.").setDefault("1");
}

}  // namespace FLUMparse
