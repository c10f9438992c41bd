#include "plane/output/FPHistoryOutput.h"

#include <algorithm>
#include <cstdio>

#include "core/FlumAssert.h"
#include "core/MessageService.h"

using Flumaris::fatal;
using Flumaris::report;

namespace FlumPlane {

namespace {
constexpr int kWidth = 22;
// Wide enough for any time in its shortest exact form, so columns stay aligned.
constexpr int kTimeWidth = 24;
}

FPHistoryOutput::FPHistoryOutput(std::string prefix, std::vector<HistoryItem> items, HistorySettings settings)
    : prefix_(std::move(prefix)), items_(std::move(items)), settings_(std::move(settings)), clock_(settings_.interval) {
    for (std::size_t i = 0; i < items_.size(); ++i)
        for (std::size_t v = 0; v < items_[i].values.size(); ++v)
            if (items_[i].values[v].request.tracked()) {
                const std::size_t n = items_[i].values[v].columns.size();
                trackers_.push_back({i, v, std::vector<double>(n), std::vector<double>(n), false});
            }
}

FPHistoryOutput::~FPHistoryOutput() = default;

void FPHistoryOutput::openFile(File& f, const std::string& name, const std::vector<std::size_t>& items, bool track) {
    if (std::FILE* probe = std::fopen(name.c_str(), "w")) std::fclose(probe);
    else fatal("could not open file '" + name + "' for time history output");
    f.file.open(name);
    f.items = items;
    auto out = std::back_inserter(f.pending);
    fmt::format_to(out, "{:>{}}", "Time[s]", kTimeWidth);
    const bool prefixed = items.size() > 1;
    for (std::size_t i : items)
        for (const HistoryValue& v : items_[i].values) {
            if (v.request.tracked() != track) continue;
            for (const std::string& c : v.columns) {
                std::string col = track ? v.request.label().substr(0, v.request.label().size() - v.request.name.size()) + c : c;
                if (prefixed) col = items_[i].label + ":" + col;
                fmt::format_to(out, " {:>{}}", col, kWidth);
            }
        }
    fmt::format_to(out, "\n");
    f.file.writeRecord(f.pending);
}

void FPHistoryOutput::initialize(double t, double origin) {
    std::vector<std::size_t> all(items_.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    auto hasTracked = [&](std::size_t i) {
        return std::any_of(items_[i].values.begin(), items_[i].values.end(),
                           [](const HistoryValue& v) { return v.request.tracked(); });
    };
    if (settings_.oneFile) {
        files_.resize(1);
        openFile(files_[0], prefix_ + settings_.combinedName, all, false);
        if (!trackers_.empty()) {
            trackFiles_.resize(1);
            std::string name = prefix_ + settings_.combinedName;
            name.replace(name.size() - 7, 7, "_track.dat");  // "_th.dat" -> "_track.dat"
            openFile(trackFiles_[0], name, all, true);
        }
    } else {
        files_.resize(items_.size());
        for (std::size_t i = 0; i < items_.size(); ++i)
            openFile(files_[i], prefix_ + "_" + items_[i].label + "_th.dat", {i}, false);
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (hasTracked(i)) {
                trackFiles_.emplace_back();
                openFile(trackFiles_.back(), prefix_ + "_" + items_[i].label + "_track.dat", {i}, true);
            }
    }
    for (Tracker& k : trackers_) {
        const HistoryValue& v = items_[k.item].values[k.value];
        v.evaluate(k.sample.data());
        if (v.request.kind == TrackKind::Integrate) std::fill(k.values.begin(), k.values.end(), 0.0);
        else k.values = k.sample;
    }
    clock_.start(t, origin);
    write(t);
}

void FPHistoryOutput::afterStep(double t, double dt) {
    for (Tracker& k : trackers_) {
        const HistoryValue& v = items_[k.item].values[k.value];
        v.evaluate(k.sample.data());
        for (std::size_t c = 0; c < k.values.size(); ++c) {
            switch (v.request.kind) {
                case TrackKind::Max: k.values[c] = std::max(k.values[c], k.sample[c]); break;
                case TrackKind::Min: k.values[c] = std::min(k.values[c], k.sample[c]); break;
                case TrackKind::Integrate: k.values[c] += k.sample[c] * dt; break;
                case TrackKind::Plain: break;
            }
        }
    }
    if (clock_.due(t)) write(t);
}

void FPHistoryOutput::appendRow(File& f, double t, bool track) {
    auto out = std::back_inserter(f.pending);
    fmt::format_to(out, "{:>{}}", t, kTimeWidth);
    for (std::size_t i : f.items)
        for (std::size_t v = 0; v < items_[i].values.size(); ++v) {
            const HistoryValue& hv = items_[i].values[v];
            if (hv.request.tracked() != track) continue;
            const double* vals = nullptr;
            if (track) {
                for (const Tracker& k : trackers_)
                    if (k.item == i && k.value == v) vals = k.values.data();
            } else {
                row_.resize(hv.columns.size());
                hv.evaluate(row_.data());
                vals = row_.data();
            }
            FLUM_ASSERT(vals != nullptr);
            for (std::size_t c = 0; c < hv.columns.size(); ++c) fmt::format_to(out, " {:>{}.14e}", vals[c], kWidth);
        }
    fmt::format_to(out, "\n");
}

void FPHistoryOutput::write(double t) {
    for (File& f : files_) appendRow(f, t, false);
    for (File& f : trackFiles_) appendRow(f, t, true);
    clock_.written(t);
    ++rowsSinceFlush_;
    flush(false);
}

void FPHistoryOutput::flush(bool force) {
    if (!force && settings_.flushEvery > 0 && rowsSinceFlush_ < settings_.flushEvery) return;
    for (File& f : files_) f.file.writeRecord(f.pending);
    for (File& f : trackFiles_) f.file.writeRecord(f.pending);
    rowsSinceFlush_ = 0;
}

void FPHistoryOutput::finalize(double t) {
    if (closed_) return;
    if (!clock_.writtenAt(t)) write(t);
    flush(true);
    for (File& f : files_) f.file.close();
    for (File& f : trackFiles_) f.file.close();
    closed_ = true;
}

}  // namespace FlumPlane
