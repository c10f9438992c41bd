#include "input/blocks/IRparallel.h"

namespace FLUMparse {

IRparallel::IRparallel() : InputBlock("PARALLEL") {
    setDescription(
        "Number of threads for the element and edge loops inside each subdomain (OpenMP); the subdomains "
        "themselves advance one after the other. "
        "Worth setting on multi-core machines for meshes of many thousand elements; on small meshes the thread "
        "overhead can make a run slower. "
        "Without the block the run is sequential (one thread). "
        "Do not ask for more threads than the machine has cores, especially when other runs share it.");
    setExample("PARALLEL {\n"
        "   number_threads = 4\n"
        "}");
}

void IRparallel::declare() {
    addInt("number_threads", "Number of OpenMP threads; 1 means sequential, 0 (or less) all cores. More threads than cores are capped at the number of cores.").setDefault("1");
}

}  // namespace FLUMparse
