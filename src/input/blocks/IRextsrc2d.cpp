#include "input/blocks/IRextsrc2d.h"

namespace FLUMparse {

IRextsrc2d::IRextsrc2d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription("An external source of water of the 2-D subdomain.");
    setExample("EXTERNAL_SOURCE {\n"
        "}");
}

void IRextsrc2d::declare() {
    addString("name", "Name of the source for couplings and controllers.").setOneWord();
    addString("type", "source_discharge or coupling_source_discharge.").setDefault("source_discharge")
        .setRestrictedValues({"source_discharge", "coupling_source_discharge"});
    addSeriesFile("source_file", "Time and discharge [m3/s]; negative values are sinks.");
    addIntList("element_ids", "Elements (mesh-file ids) that receive the source.");
    addIntList("index", "Material indices whose elements receive the source.");
}

}  // namespace FLUMparse
