#include "input/blocks/IRsect_comp1d.h"

namespace FLUMparse {

IRsect_comp1d::IRsect_comp1d() : InputBlock("SECTION_COMPUTATION") {
    setDescription("How the hydraulic functions of the cross sections (area, conveyance, width, ...) are evaluated: tabulated once against the water level and interpolated (table), or summed over the slices every time (iteration). Required with the flumaris geometry.");
    setExample(
        "SECTION_COMPUTATION {\n"
        "   type = table\n"
        "   internal_levees = no\n"
        "   precision = 0.001\n"
        "   min_interval = 0.05\n"
        "   max_interval = 0.2\n"
        "}");
}

void IRsect_comp1d::declare() {
    addString("type", "table: look-up tables over the water level, one tree descent per evaluation; iteration: direct sums over the slices.")
        .setDefault("table").setRestrictedValues({"table", "iteration"});
    addBool("internal_levees", "The forelands take water only when the level is above both banks of the main channel.").setDefault("no");
    addReal("precision", "Accepted difference between the given and the computed wetted area when the level of an area is iterated.")
        .setDefault("0.001").setMin(0.0, false).setUnits("[m2]");
    addReal("min_interval", "Minimum spacing of the table levels.").setDefault("0.05").setMin(0.0, false).setUnits("[m]");
    addReal("max_interval", "Maximum spacing of the table levels; max_interval - min_interval is the spacing of the regular levels. Must exceed min_interval.")
        .setDefault("0.2").setMin(0.0, false).setUnits("[m]");
}

}  // namespace FLUMparse
