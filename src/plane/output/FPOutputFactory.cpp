#include "plane/output/FPOutputFactory.h"

#include <cstdio>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "plane/FLUMplane_2d.h"
#include "plane/output/FPAvsOutput.h"
#include "plane/output/FPBalanceOutput.h"
#include "plane/output/FPConsoleOutput.h"
#include "plane/output/FPFieldOutput.h"
#include "plane/output/FPHistoryItems.h"
#include "plane/output/FPHistoryOutput.h"
#include "tools/FTSmsWriter.h"

using Flumaris::report;

namespace FlumPlane {

namespace {

std::vector<std::string> stringsOf(const FLUMparse::InputBlock& b, const char* key) {
    return b.isSet(key) ? b.getTag(key).asStringList() : std::vector<std::string>{};
}
std::vector<int> intsOf(const FLUMparse::InputBlock& b, const char* key) {
    return b.isSet(key) ? b.getTag(key).asIntList() : std::vector<int>{};
}
bool flagOf(const FLUMparse::InputBlock& b, const char* key) { return b.isSet(key) && b.getTag(key).asBool(); }

}  // namespace

double julianReferenceTime(const std::string& text) {
    int d = 0, mo = 0, y = 0, h = 0, mi = 0;
    double s = 0.0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d-%d-%d-%lf%c", &d, &mo, &y, &h, &mi, &s, &tail) != 6 || d < 1 || d > 31 ||
        mo < 1 || mo > 12 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0.0 || s >= 61.0)
        report(1, "Error: The reference_time '" + text +
                      "' is not a date DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS (six values separated by hyphens).\nPlease "
                      "correct the OUTPUT block and restart the program.");
    return FLUMtools::FTSmsWriter::julianDay(d, mo, y, h, mi, s);
}

void createOutputs(FLUMplane_2d& plane, const FLUMparse::InputBlock* output) {
    if (!output) return;
    const double defaultInterval = output->isSet("output_time_step") ? output->getTag("output_time_step").asDouble() : 100.0;
    const double julian = output->isSet("reference_time") ? julianReferenceTime(output->getTag("reference_time").asString())
                                                          : FLUMtools::FTSmsWriter::julianDay(1, 1, 2000, 0, 0, 0.0);
    int combinedFiles = 0;
    for (const FLUMparse::InputBlock* b : output->getBlocks("SPECIAL_OUTPUT")) {
        const std::string type = b->getTag("type").asString();
        const double interval = b->isSet("output_time_step") ? b->getTag("output_time_step").asDouble() : defaultInterval;
        if (type == "FLUMviz") {
            report(3, "The live window output (FLUMviz) of the subdomain '" + plane.getName() +
                          "' is not available in this version of FLUMARIS; the output is skipped.");
            continue;
        }
        if (b->isSet("FLUMextern")) {
            report(3, "The network output to the external subdomain '" + b->getTag("FLUMextern").asString() +
                          "' of the subdomain '" + plane.getName() +
                          "' is not available in this version of FLUMARIS; the output is skipped.");
            continue;
        }
        if (type == "node_centered" || type == "element_centered") {
            if (!b->isSet("format"))
                report(1, "Error: The " + type + " output of the subdomain '" + plane.getName() +
                              "' has no format.\nPlease set format to ascii, sms, tecplot, shape or vtk.");
            FieldOutputSettings s;
            s.where = type == "node_centered" ? FLUMtools::FTLocation::Node : FLUMtools::FTLocation::Element;
            s.format = fieldFormatFromWord(b->getTag("format").asString());
            s.binary = flagOf(*b, "binary");
            s.idsInsteadOfCoords = flagOf(*b, "ids_instead_coords");
            s.splitFile = flagOf(*b, "split_file");
            s.interval = interval;
            s.values = parseValueRequests(stringsOf(*b, "values"));
            if (s.values.empty())
                report(1, "Error: The " + type + " output of the subdomain '" + plane.getName() +
                              "' names no values.\nPlease give the list 'values'.");
            s.thresholdWse = b->isSet("threshold_wse") ? b->getTag("threshold_wse").asDouble() : -1000000.0;
            s.julianReference = julian;
            plane.addOutput(std::make_unique<FPFieldOutput>(plane, std::move(s)));
            continue;
        }
        std::vector<HistoryItem> items;
        if (type == "element_history") items = elementHistoryItems(plane, intsOf(*b, "element_ids"), stringsOf(*b, "element_values"));
        else if (type == "node_history") items = nodeHistoryItems(plane, intsOf(*b, "node_ids"), stringsOf(*b, "node_values"));
        else if (type == "edge_history") items = edgeHistoryItems(plane, stringsOf(*b, "edge_ids"), stringsOf(*b, "edge_values"));
        else if (type == "stringdef_history")
            items = stringdefHistoryItems(plane, stringsOf(*b, "stringdefs"), stringsOf(*b, "stringdef_values"));
        else if (type == "boundary_history")
            items = boundaryHistoryItems(plane, stringsOf(*b, "stringdefs"), stringsOf(*b, "boundary_values"));
        if (type.ends_with("_history")) {
            HistorySettings hs;
            hs.interval = interval;
            hs.oneFile = flagOf(*b, "history_one_file");
            const double flush = b->isSet("flush_all_num_steps") ? b->getTag("flush_all_num_steps").asDouble() : -1.0;
            hs.flushEvery = flush > 0.0 ? static_cast<int>(flush) : 0;
            if (hs.oneFile && combinedFiles++ > 0) hs.combinedName = fmt::format("_combined{}_th.dat", combinedFiles);
            plane.addOutput(std::make_unique<FPHistoryOutput>(plane.outputPrefix(), std::move(items), hs));
        } else if (type == "balance") {
            plane.addOutput(std::make_unique<FPBalanceOutput>(plane, stringsOf(*b, "balance_values"), interval));
        } else if (type == "avs_ucd") {
            plane.addOutput(std::make_unique<FPAvsOutput>(plane, interval));
        } else if (type == "sediment_grid") {
            report(1, "Error: The sediment_grid output of the subdomain '" + plane.getName() +
                          "' needs sediment transport (a MORPHOLOGY block), which this version of FLUMARIS does not "
                          "compute yet.\nPlease remove the output and restart the program.");
        } else {
            report(1, "Error: Unknown output type '" + type + "'.\nPlease correct the command file.");
        }
    }
    if (output->isSet("console_time_step"))
        plane.addOutput(std::make_unique<FPConsoleOutput>(plane.getName(), output->getTag("console_time_step").asDouble()));
}

}  // namespace FlumPlane
