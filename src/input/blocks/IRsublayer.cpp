#include "input/blocks/IRsublayer.h"

namespace FLUMparse {

IRsublayer::IRsublayer() : InputBlock("LAYER") {
    setDescription("A layer of a soil.");
    setExample("LAYER {\n"
        "   mixture = gravel\n"
        "   bottom_elevation = -0.5\n"
        "}");
}

void IRsublayer::declare() {
    addString("mixture", "Mixture of the layer.").setMandatory();
    addReal("bottom_elevation", "Bottom of the layer relative to the bed surface (negative); layers from the top down.").setMandatory().setMax(0.0, false).setUnits("[m]");
}

}  // namespace FLUMparse
