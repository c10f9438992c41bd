#include "input/blocks/IRspecout1d.h"

namespace FLUMparse {

IRspecout1d::IRspecout1d() : InputBlock("SPECIAL_OUTPUT") {
    setDescription("A special output of the 1-D subdomain: time series at sections (monitor), profiles and fluxes for Tecplot or Matlab, volume balances, transport diagram, grain mixtures or the live window.");
    setExample(
        "SPECIAL_OUTPUT {\n"
        "   type = monitor\n"
        "   output_time_step = 60\n"
        "   cross_sections = ( km_12.300 km_12.600 )\n"
        "   Q = ( time max sum )\n"
        "   wse = ( time max )\n"
        "   output_single_file = yes\n"
        "}");
}

void IRspecout1d::declare() {
    addString("type", "Kind of output.").setMandatory()
        .setRestrictedValues({"monitor", "mixtures", "tecplot_all", "tecplot_all_bin", "delta_v_sed", "delta_v_water",
                              "delta_v_suspension", "FLUMviz", "tecplot_flux", "transport_diagram", "matlab", "matlab_flux"});
    addReal("output_time_step", "Interval of this output; default: that of the OUTPUT block.").setMin(0.0).setUnits("[s]");
    addStringList("cross_sections", "Sections of a monitor output.");
    for (const char* v : {"A", "Q", "Qb", "V", "energy_line", "wse", "mean_bottom_level", "concentration"})
        addStringList(v, "Monitor operations on this variable: time (series), min, max, sum (time integral).")
            .setItemWords({"time", "min", "max", "sum"});
    addBool("geometry", "Also write the section geometry as ascii Tecplot.").setDefault("no");
    addBool("geometry_bin", "Also write the section geometry as binary Tecplot.").setDefault("no");
    addBool("topology_bin", "Also write the bed topology as binary Tecplot.").setDefault("no");
    addBool("output_single_file", "Monitor output in one file instead of one per section and variable.").setDefault("no");
    addString("variable", "Colour of the live window.").setDefault("depth").setRestrictedValues({"depth", "wse", "velocity", "tau"});
    addBool("show_gridlines", "Grid lines in the live window.").setDefault("no");
    addReal("write_jpeg_image_time", "Interval of window images; negative: none.").setDefault("-1.0").setUnits("[s]");
    addString("external_subdomain", "Send the data to this external subdomain instead of a file.");
    addRequiredIf({"cross_sections"}, "type", {"monitor"});
    addUsedIf({"variable", "show_gridlines", "write_jpeg_image_time"}, "type", {"FLUMviz"});
}

}  // namespace FLUMparse
