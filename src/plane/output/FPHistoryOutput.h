#pragma once
// Time histories at single places (elements, nodes, edges, edge strings,
// boundaries): one file per place named from the prefix, the place and
// "_th.dat" (or all places in "<prefix>_combined_th.dat"), a "Time[s]" column
// and one fixed-width column per value and sub-value, one row per output time.
// Tracked values (max[...], ...) are updated every step for these few places
// only and go to "..._track.dat".
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plane/output/FPOutput.h"
#include "plane/output/FPValueRequest.h"
#include "tools/FTTextFile.h"

namespace FlumPlane {

// One value at one place: its column names and how to compute it.
struct HistoryValue {
    ValueRequest request;
    std::vector<std::string> columns;              // one per sub-value
    std::function<void(double* out)> evaluate;     // writes columns.size() numbers
};

struct HistoryItem {
    std::string label;                              // "node_12", "stringdef_outflow", ...
    std::vector<HistoryValue> values;
};

struct HistorySettings {
    double interval = 100.0;
    bool oneFile = false;
    int flushEvery = 0;                  // > 0: flush every N output times; else every output time
    std::string combinedName = "_combined_th.dat";
};

class FPHistoryOutput final : public FPOutput {
public:
    FPHistoryOutput(std::string prefix, std::vector<HistoryItem> items, HistorySettings settings);
    ~FPHistoryOutput() override;

    void initialize(double t, double origin) override;
    void afterStep(double t, double dt) override;
    void finalize(double t) override;
    double nextOutputTime() const override { return clock_.next(); }

private:
    struct Tracker {
        std::size_t item, value;
        std::vector<double> sample, values;
        bool started = false;
    };
    struct File {
        FLUMtools::FTTextFile file;
        fmt::memory_buffer pending;
        std::vector<std::size_t> items;
    };
    void openFile(File& f, const std::string& name, const std::vector<std::size_t>& items, bool track);
    void write(double t);
    void appendRow(File& f, double t, bool track);
    void flush(bool force);

    std::string prefix_;
    std::vector<HistoryItem> items_;
    HistorySettings settings_;
    FPOutputClock clock_;
    std::vector<Tracker> trackers_;
    std::vector<File> files_, trackFiles_;
    int rowsSinceFlush_ = 0;
    bool closed_ = false;
    std::vector<double> row_;
};

}  // namespace FlumPlane
