#include "plane/output/FPFieldOutput.h"

#include <algorithm>

#include "plane/FPPlaneView.h"

using FLUMtools::FTField;
using FLUMtools::FTLocation;

namespace FlumPlane {

FPFieldOutput::FPFieldOutput(const PlaneView& plane, FieldOutputSettings settings)
    : plane_(plane), settings_(std::move(settings)), values_(plane, settings_.thresholdWse),
      mesh_(toolsMesh(plane.grid())), clock_(settings_.interval) {
    auto addPlain = [&](const std::string& name) {
        for (const Plain& p : plain_)
            if (p.name == name) return;
        plain_.push_back({name, FPFieldValues::info(name), {}});
    };
    for (const ValueRequest& r : settings_.values) {
        const FPFieldValues::Info in = FPFieldValues::info(r.name);
        if (!r.tracked()) {
            addPlain(r.name);
            if (r.name == "depth" && settings_.where == FTLocation::Node) addPlain("wse");
        } else {
            const std::size_t n = mesh_.count(in.native) * static_cast<std::size_t>(in.components);
            tracked_.push_back({r, in, FPTracker(r.kind, n), {}});
        }
    }
}

FPFieldOutput::~FPFieldOutput() = default;

std::vector<std::string> FPFieldOutput::plainNames() const {
    std::vector<std::string> out;
    for (const Plain& p : plain_) out.push_back(p.name);
    return out;
}

void FPFieldOutput::openSinks() {
    FieldSinkOptions o;
    o.format = settings_.format;
    o.where = settings_.where;
    o.binary = settings_.binary;
    o.idsInsteadOfCoords = settings_.idsInsteadOfCoords;
    o.julianReference = settings_.julianReference;
    const std::string& prefix = plane_.outputPrefix();
    // The layout only needs names and sub-value counts.
    auto layoutOf = [](const std::string& name, int components) {
        FTField f;
        f.name = name;
        f.components = components;
        return f;
    };
    const bool split = settings_.splitFile && settings_.format != FieldFormat::Sms && settings_.format != FieldFormat::Shape;
    auto open = [&](std::vector<std::unique_ptr<FPFieldSink>>& sinks, const std::vector<FTField>& layout, bool track) {
        o.track = track;
        if (layout.empty()) return;
        if (split) {
            for (const FTField& f : layout) {
                o.stem = prefix + "_" + f.name;
                sinks.push_back(makeFieldSink(mesh_, o, {f}));
            }
        } else {
            o.stem = prefix;
            sinks.push_back(makeFieldSink(mesh_, o, layout));
        }
    };
    std::vector<FTField> plainLayout, trackLayout;
    for (const Plain& p : plain_) plainLayout.push_back(layoutOf(p.name, p.info.components));
    for (const Tracked& k : tracked_) trackLayout.push_back(layoutOf(k.request.label(), k.info.components));
    // SMS files and VTK files are one per value or per time anyway: tracked values join the others.
    if (settings_.format == FieldFormat::Sms || settings_.format == FieldFormat::Vtk) {
        plainLayout.insert(plainLayout.end(), trackLayout.begin(), trackLayout.end());
        trackLayout.clear();
    }
    open(sinks_, plainLayout, false);
    open(trackSinks_, trackLayout, true);
}

void FPFieldOutput::initialize(double t, double origin) {
    for (Tracked& k : tracked_) {
        values_.computeNative(k.request.name, scratch_);
        k.tracker.reset(scratch_);
    }
    openSinks();
    clock_.start(t, origin);
    write(t);
}

void FPFieldOutput::afterStep(double t, double dt) {
    for (Tracked& k : tracked_) {
        if (k.request.name == "depth") {
            k.tracker.update(plane_.state().h_, dt);
        } else {
            values_.computeNative(k.request.name, scratch_);
            k.tracker.update(scratch_, dt);
        }
    }
    if (clock_.due(t)) write(t);
}

void FPFieldOutput::write(double t) {
    mesh_.setZ(plane_.grid().nodeZ_);
    std::vector<FTField> fields, trackFields;
    auto fieldOf = [](const std::string& name, int components, const std::vector<double>& v) {
        FTField f;
        f.name = name;
        f.components = components;
        f.values = v;
        return f;
    };
    for (Plain& p : plain_) {
        values_.compute(p.name, settings_.where, p.values);
        fields.push_back(fieldOf(p.name, p.info.components, p.values));
    }
    for (Tracked& k : tracked_) {
        values_.convert(k.tracker.values(), k.info, settings_.where, k.converted);
        trackFields.push_back(fieldOf(k.request.label(), k.info.components, k.converted));
    }
    if (trackSinks_.empty()) {
        fields.insert(fields.end(), trackFields.begin(), trackFields.end());
        trackFields.clear();
    }
    auto send = [&](std::vector<std::unique_ptr<FPFieldSink>>& sinks, const std::vector<FTField>& fs) {
        if (sinks.size() == 1) sinks[0]->write(t, fs);
        else
            for (std::size_t k = 0; k < sinks.size(); ++k) sinks[k]->write(t, {fs[k]});
    };
    if (!sinks_.empty()) send(sinks_, fields);
    if (!trackSinks_.empty()) send(trackSinks_, trackFields);
    clock_.written(t);
}

void FPFieldOutput::finalize(double t) {
    if (closed_) return;
    if (!clock_.writtenAt(t)) write(t);
    for (auto& s : sinks_) s->close();
    for (auto& s : trackSinks_) s->close();
    closed_ = true;
}

}  // namespace FlumPlane
