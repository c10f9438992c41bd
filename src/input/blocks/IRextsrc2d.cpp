#include "input/blocks/IRextsrc2d.h"

namespace FLUMparse {

IRextsrc2d::IRextsrc2d() : InputBlock("EXTERNAL_SOURCE") {
    setDescription(
        "An external source of water on a set of elements, chosen by element_ids, by material index or both. "
        "The discharge of source_file is spread over the total area of the elements as a rate in m/s; negative "
        "values are sinks, which draw only from wet elements and never more than the water present. "
        "Give the discharge in m3/s for the whole source, not per element. coupling_source_discharge takes its "
        "discharge from a COUPLING instead of a file, which this version does not compute (a command file with a "
        "COUPLING block stops with a message).");
    setExample("EXTERNAL_SOURCE {\n"
        "   name = tributary\n"
        "   type = source_discharge\n"
        "   source_file = series/tributary_Q.txt\n"
        "   element_ids = ( 2041 2042 2043 )\n"
        "}");
}

void IRextsrc2d::declare() {
    addString("name", "Name of the source, unique in the subdomain, by which couplings and controllers refer to it.").setOneWord();
    addString("type", "source_discharge (series from source_file) or coupling_source_discharge (discharge from a coupling, no file).").setDefault("source_discharge")
        .setRestrictedValues({"source_discharge", "coupling_source_discharge"});
    addSeriesFile("source_file", "Series of time [s] and discharge [m3/s] of the whole source; negative values are sinks.");
    addIntList("element_ids", "Mesh-file ids of the elements that receive the source.");
    addIntList("index", "Material indices whose elements receive the source.");
}

}  // namespace FLUMparse
