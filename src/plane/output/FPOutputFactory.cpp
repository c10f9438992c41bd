#include "plane/output/FPOutputFactory.h"

#include <cstdio>
#include <fmt/format.h>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "plane/FPPlaneView.h"
#include "plane/output/FPAvsOutput.h"
#include "plane/output/FPBalanceOutput.h"
#include "plane/output/FPConsoleOutput.h"
#include "plane/output/FPFieldOutput.h"
#include "plane/output/FPHistoryItems.h"
#include "plane/output/FPHistoryOutput.h"
#include "tools/FTSmsWriter.h"

using Flumaris::fatal;
using Flumaris::report;

namespace FlumPlane {

namespace {

std::vector<std::string> stringsOf(const FLUMparse::InputBlock& b, const char* key) {
    return b.isSet(key) ? b.getTag(key).asStringList() : std::vector<std::string>{};
}
std::vector<int> intsOf(const FLUMparse::InputBlock& b, const char* key) {
    return b.isSet(key) ? b.getTag(key).asIntList() : std::vector<int>{};
}

}  // namespace

double julianReferenceTime(const std::string& text) {
    int d = 0, mo = 0, y = 0, h = 0, mi = 0;
    double s = 0.0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d-%d-%d-%lf%c", &d, &mo, &y, &h, &mi, &s, &tail) != 6 || d < 1 || d > 31 ||
        mo < 1 || mo > 12 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0.0 || s >= 61.0)
        fatal("Error: The reference_time '" + text +
                      "' is not a date DAY-MONTH-YEAR-HOURS-MINUTES-SECONDS (six values separated by hyphens).\nPlease "
                      "correct the OUTPUT block and restart the program.");
    return FLUMtools::FTSmsWriter::julianDay(d, mo, y, h, mi, s);
}

namespace {

// What every output kind is built from.
struct OutputContext {
    const PlaneView& plane;
    const FLUMparse::InputBlock& block;  // the SPECIAL_OUTPUT block
    const std::string& type;
    double interval;                     // its own, else the OUTPUT block's
    double julianReference;
    int& combinedFiles;                  // history_one_file outputs so far
};
using OutputPtr = std::unique_ptr<FPOutput>;
using OutputCreator = OutputPtr (*)(const OutputContext&);

OutputPtr notBuilt(const OutputContext& c) {
    if (c.type == "FLUMviz")
        report(3, "The live window output (FLUMviz) of the subdomain '" + c.plane.name() +
                      "' is not available in this version of FLUMARIS; the output is skipped.");
    return nullptr;
}

OutputPtr field(const OutputContext& c) {
    const FLUMparse::InputBlock& b = c.block;
    if (!b.isSet("format"))
        fatal("Error: The " + c.type + " output of the subdomain '" + c.plane.name() +
              "' has no format.\nPlease set format to ascii, sms, tecplot, shape or vtk.");
    FieldOutputSettings s;
    s.where = c.type == "node_centered" ? FLUMtools::FTLocation::Node : FLUMtools::FTLocation::Element;
    s.format = fieldFormatFromWord(b.getTag("format").asString());
    s.binary = b.getTag("binary").asBool();
    s.idsInsteadOfCoords = b.getTag("ids_instead_coords").asBool();
    s.splitFile = b.getTag("split_file").asBool();
    s.interval = c.interval;
    s.values = parseValueRequests(stringsOf(b, "values"));
    if (s.values.empty())
        fatal("Error: The " + c.type + " output of the subdomain '" + c.plane.name() +
              "' names no values.\nPlease give the list 'values'.");
    s.thresholdWse = b.getTag("threshold_wse").asDouble();
    s.julianReference = c.julianReference;
    return std::make_unique<FPFieldOutput>(c.plane, std::move(s));
}

template <std::vector<HistoryItem> (*items)(const PlaneView&, const FLUMparse::InputBlock&)>
OutputPtr history(const OutputContext& c) {
    HistorySettings hs;
    hs.interval = c.interval;
    hs.oneFile = c.block.getTag("history_one_file").asBool();
    const double flush = c.block.getTag("flush_all_num_steps").asDouble();
    hs.flushEvery = flush > 0.0 ? static_cast<int>(flush) : 0;
    if (hs.oneFile && c.combinedFiles++ > 0) hs.combinedName = fmt::format("_combined{}_th.dat", c.combinedFiles);
    return std::make_unique<FPHistoryOutput>(c.plane.outputPrefix(), items(c.plane, c.block), hs);
}

std::vector<HistoryItem> elementItems(const PlaneView& p, const FLUMparse::InputBlock& b) {
    return elementHistoryItems(p, intsOf(b, "element_ids"), stringsOf(b, "element_values"));
}
std::vector<HistoryItem> nodeItems(const PlaneView& p, const FLUMparse::InputBlock& b) {
    return nodeHistoryItems(p, intsOf(b, "node_ids"), stringsOf(b, "node_values"));
}
std::vector<HistoryItem> edgeItems(const PlaneView& p, const FLUMparse::InputBlock& b) {
    return edgeHistoryItems(p, stringsOf(b, "edge_ids"), stringsOf(b, "edge_values"));
}
std::vector<HistoryItem> stringdefItems(const PlaneView& p, const FLUMparse::InputBlock& b) {
    return stringdefHistoryItems(p, stringsOf(b, "stringdefs"), stringsOf(b, "stringdef_values"));
}
std::vector<HistoryItem> boundaryItems(const PlaneView& p, const FLUMparse::InputBlock& b) {
    return boundaryHistoryItems(p, stringsOf(b, "stringdefs"), stringsOf(b, "boundary_values"));
}

OutputPtr balance(const OutputContext& c) {
    return std::make_unique<FPBalanceOutput>(c.plane, stringsOf(c.block, "balance_values"), c.interval);
}
OutputPtr avs(const OutputContext& c) { return std::make_unique<FPAvsOutput>(c.plane, c.interval); }
OutputPtr sedimentGrid(const OutputContext& c) {
    fatal("Error: The sediment_grid output of the subdomain '" + c.plane.name() +
          "' needs sediment transport (a MORPHOLOGY block), which this version of FLUMARIS does not "
          "compute yet.\nPlease remove the output and restart the program.");
}

const std::pair<const char*, OutputCreator> kOutputKinds[] = {
    {"node_centered", field},
    {"element_centered", field},
    {"FLUMviz", notBuilt},
    {"node_history", history<nodeItems>},
    {"element_history", history<elementItems>},
    {"stringdef_history", history<stringdefItems>},
    {"edge_history", history<edgeItems>},
    {"boundary_history", history<boundaryItems>},
    {"balance", balance},
    {"avs_ucd", avs},
    {"sediment_grid", sedimentGrid},
};

}  // namespace

std::vector<std::string> outputTypeWords() {
    std::vector<std::string> words;
    for (const auto& k : kOutputKinds) words.emplace_back(k.first);
    return words;
}

std::vector<std::unique_ptr<FPOutput>> createOutputs(const PlaneView& plane, const FLUMparse::InputBlock* output) {
    std::vector<std::unique_ptr<FPOutput>> outputs;
    if (!output) return outputs;
    const double defaultInterval = output->getTag("output_time_step").asDouble();
    const double julian = output->isSet("reference_time") ? julianReferenceTime(output->getTag("reference_time").asString())
                                                          : FLUMtools::FTSmsWriter::julianDay(1, 1, 2000, 0, 0, 0.0);
    int combinedFiles = 0;
    for (const FLUMparse::InputBlock* b : output->getBlocks("SPECIAL_OUTPUT")) {
        const std::string type = b->getTag("type").asString();
        const double interval = b->isSet("output_time_step") ? b->getTag("output_time_step").asDouble() : defaultInterval;
        if (b->isSet("FLUMextern")) {
            report(3, "The network output to the external subdomain '" + b->getTag("FLUMextern").asString() +
                          "' of the subdomain '" + plane.name() +
                          "' is not available in this version of FLUMARIS; the output is skipped.");
            continue;
        }
        const OutputContext c{plane, *b, type, interval, julian, combinedFiles};
        OutputCreator create = nullptr;
        for (const auto& [word, creator] : kOutputKinds)
            if (type == word) create = creator;
        if (!create)
            fatal("Error: Unknown output type '" + type + "'.\nPlease use one of: " +
                  FLUMparse::joinNames(outputTypeWords()) + ".");
        if (OutputPtr o = create(c)) outputs.push_back(std::move(o));
    }
    if (output->isSet("console_time_step"))
        outputs.push_back(std::make_unique<FPConsoleOutput>(plane.name(), output->getTag("console_time_step").asDouble()));
    return outputs;
}

}  // namespace FlumPlane
