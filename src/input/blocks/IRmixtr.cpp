#include "input/blocks/IRmixtr.h"

namespace FLUMparse {

IRmixtr::IRmixtr() : InputBlock("MIXTURE") {
    setDescription("A grain mixture: the volume fraction of every grain class of GRAIN_CLASS, in percent, "
                   "summing to 100. Soil layers, boundaries and sources refer to it by name.");
    setExample("MIXTURE {\n"
        "   name = gravel\n"
        "   volume_fraction = ( 5 15 30 35 15 )\n"
        "}");
}

void IRmixtr::declare() {
    addString("name", "Name of the mixture, unique among the mixtures.").setMandatory().setOneWord();
    addRealList("volume_fraction", "Volume fraction of each grain class, in class order; sums to 100.").setMandatory().setRange(0.0, 100.0).setUnits("[%]");
}

}  // namespace FLUMparse
