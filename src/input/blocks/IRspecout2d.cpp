#include "input/blocks/IRspecout2d.h"

namespace FLUMparse {

namespace {

// Names of the values the 2-D outputs know (the output value table holds their formulas).
const std::vector<std::string> kFieldValues = {
    "depth", "velocity", "wse", "z_element", "friction", "tau", "abs_velocity", "specific_discharge",
    "external_source_discharge", "balance_discharge_fluxes", "balance_momentum_fluxes", "z_node", "deltaz",
    "concentration", "susp_load", "susp_net_deposition_rate", "susp_grain_conc", "susp_total_pickup",
    "susp_total_deposition", "susp_grain_pickup", "susp_grain_deposition", "susp_deltaz", "theta_critical",
    "grain_size", "grain_bedload", "bedload_vec", "sediment_sum", "saturation", "pore_pressure", "source_bed",
    "source_friction", "source_wall_friction", "source_internal_friction"};
const std::vector<std::string> kTracked = {"max", "min", "integrate"};

}  // namespace

IRspecout2d::IRspecout2d() : InputBlock("SPECIAL_OUTPUT") {
    setDescription(
        "A result file of the 2-D subdomain, of the kind set by type. node_centered and element_centered write "
        "fields (values) in a format (ascii, sms, tecplot, shape, vtk) at every output_time_step, with max[...], "
        "min[...] and integrate[...] tracking a value over all time steps (for example the maximum flood depth); "
        "node_, element_, edge_, stringdef_ and boundary_history write time series at chosen places (discharge "
        "through a STRINGDEF with stringdef_values = Q); balance writes water volume and time-step statistics and "
        "avs_ucd a movie file. "
        "Not computed by this version: "
        "FLUMviz (the live window) and network outputs (FLUMextern) are skipped with a warning, and sediment_grid "
        "and sediment values stop with a message.");
    setExample("SPECIAL_OUTPUT {\n"
        "   type = element_centered\n"
        "   output_time_step = 1800\n"
        "   format = tecplot\n"
        "   values = ( depth velocity wse max[depth] max[abs_velocity] )\n"
        "   threshold_wse = -9999\n"
        "}");
}

void IRspecout2d::declare() {
    addString("type", "Kind of output: node_centered or element_centered fields, FLUMviz live window, node_, element_, stringdef_, edge_ or boundary_history time series, balance, avs_ucd movie or sediment_grid.").setMandatory().setRestrictedValues({"node_centered", "element_centered", "FLUMviz", "node_history", "element_history", "stringdef_history", "edge_history", "boundary_history", "balance", "avs_ucd", "sediment_grid"});
    addReal("output_time_step", "Interval of this output; 0 writes every time step; the OUTPUT block's interval when not given.").setDefault("100.0").setMin(0.0).setUnits("[s]");
    addStringList("values", "Values of node or element centred outputs; max[...], min[...] and integrate[...] track a value over every time step.")
        .setItemWords(kFieldValues, kTracked);
    addString("format", "File format of node or element centred outputs: ascii, sms (.sol), tecplot, shape or vtk.").setRestrictedValues({"ascii", "sms", "tecplot", "shape", "vtk"});
    addBool("binary", "Tecplot binary files (.plt) instead of ASCII.").setDefault("no");
    addBool("ids_instead_coords", "ASCII format: mesh ids instead of coordinates.").setDefault("no");
    addBool("split_file", "ASCII, Tecplot and VTK formats: one file per value.").setDefault("no");
    addReal("flush_all_num_steps", "Histories: write the buffered rows to disk every N output times when N is positive, otherwise at every output time.").setDefault("-1.0");
    addBool("history_one_file", "Histories: write all items of this output into one file instead of one file per item.").setDefault("no");
    addIntList("element_ids", "Element history: mesh-file ids of the elements.");
    addStringList("element_values", "Element history: values written for each element (names as in 'values').").setItemWords(kFieldValues, kTracked);
    addIntList("node_ids", "Node history: mesh-file ids of the nodes.");
    addStringList("node_values", "Node history: values written for each node (names as in 'values').").setItemWords(kFieldValues, kTracked);
    addStringList("stringdefs", "Stringdef and boundary history: names of the STRINGDEF blocks.");
    addStringList("stringdef_values", "Stringdef history: values per STRINGDEF, e.g. Q (discharge, signed by upstream_direction), wse or energy_head.")
        .setItemWords({"Q", "conc", "Qsed", "u", "wse", "zbed", "energy_head"}, kTracked);
    addStringList("edge_ids", "Edge history: edges as two node ids joined by a colon (12:13).");
    addStringList("edge_values", "Edge history: values per edge, e.g. depth, u_norm (normal velocity) or v_tang (tangential velocity).")
        .setItemWords({"u2h", "v2h", "gh2", "depth", "u_norm", "v_tang", "susp_upper_C", "susp_flux_AA"}, kTracked);
    addStringList("boundary_values", "Boundary history: Q (discharge through the boundary) or Qsed (sediment flux).").setItemWords({"Q", "Qsed"}, kTracked);
    addStringList("balance_values", "Balance: water_volume (total volume in the subdomain), timestep (step and controlling element) or sediment.").setItemWords({"sediment", "timestep", "water_volume"});
    addString("variable", "FLUMviz: quantity shown first in the live window.").setDefault("depth").setRestrictedValues({"depth", "wse", "velocity", "tau", "bedload", "bedelevation"});
    addBool("wse3D", "FLUMviz: show the water surface in 3-D.").setDefault("no");
    addBool("vectors", "FLUMviz: show velocity vectors.").setDefault("no");
    addBool("gridlines", "FLUMviz: show grid lines.").setDefault("no");
    addReal("vectors_scaling_factor", "FLUMviz: length factor of the velocity vectors.").setDefault("1.0");
    addReal("write_jpeg_image_time", "FLUMviz: interval of JPEG images; negative writes none.").setDefault("-1.0").setUnits("[s]");
    addRealList("value_range", "FLUMviz: colour range (min max); dynamic when not given.").setCount(2);
    addString("FLUMextern", "Send the output over the network to the named external subdomain instead of writing a file.");
    addIntList("ids", "Network output: send only the values of these mesh ids.");
    addReal("threshold_wse", "WSE written for dry elements, for example a no-data marker such as -9999; at or below -999999 (the default) the bed elevation is written.").setDefault("-1000000").setUnits("[m]");
}

}  // namespace FLUMparse
