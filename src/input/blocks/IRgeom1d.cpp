#include "input/blocks/IRgeom1d.h"

namespace FLUMparse {

IRgeom1d::IRgeom1d() : InputBlock("GEOMETRY") {
    setDescription("Geometry of the 1-D subdomain: the FMG file with the surveyed cross sections and the order in which they form the chain, from upstream to downstream.");
    setExample(
        "GEOMETRY {\n"
        "   type = flumaris\n"
        "   file = reach.fmg\n"
        "   cross_section_order = ( km_12.300 km_12.450 km_12.600 )\n"
        "   dump_crosssections = no\n"
        "}");
}

void IRgeom1d::declare() {
    addString("type", "Format of the geometry file. Only flumaris is read; floris and hecras files are no longer supported and must be converted.")
        .setDefault("flumaris").setRestrictedValues({"flumaris", "floris", "hecras"});
    addFile("file", "The FMG geometry file (block FLUMCHAIN_GEOMETRY with one CROSS_SECTION block per section).")
        .setMandatory().setFilter("Grid files (*.fmg )");
    addStringList("cross_section_order", "Names of the sections that form the chain, the first upstream, the last downstream. Sections of the file that are not listed are not used; a section may be listed more than once.")
        .setMandatory();
    addBool("dump_crosssections", "Write the internal representation of every section to dump_crosssection_<name>.dat.").setDefault("no");
}

}  // namespace FLUMparse
