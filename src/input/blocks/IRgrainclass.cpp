#include "input/blocks/IRgrainclass.h"

#include "input/blocks/IRsedimentChecks.h"

namespace FLUMparse {

IRgrainclass::IRgrainclass() : InputBlock("GRAIN_CLASS") {
    setDescription("The grain classes of the sediment: one representative diameter per class, in ascending "
                   "order. A single diameter gives a single-grain simulation.");
    setExample("GRAIN_CLASS {\n"
        "   diameters = ( 0.5 2.0 8.0 20.0 64.0 )\n"
        "}");
}

void IRgrainclass::declare() {
    addRealList("diameters", "Representative diameter of every grain class, strictly ascending.").setMandatory().setUnits("[mm]");
    addTag<IRsedimentCheck>("check_grain_sizes", std::vector<std::string>{"diameters"}, &IRsedimentCheck::grainSizes);
}

}  // namespace FLUMparse
