#pragma once
// Node or element centred values of the whole mesh at every output time, in
// one of the field formats; tracked values (max, min, integrate) are updated
// every step at their native location and written to their own file set.
#include <memory>
#include <string>
#include <vector>

#include "plane/output/FPFieldSink.h"
#include "plane/output/FPFieldValues.h"
#include "plane/output/FPOutput.h"
#include "plane/output/FPValueRequest.h"
#include "tools/FTMesh2D.h"

namespace FlumPlane {

class PlaneView;

struct FieldOutputSettings {
    FLUMtools::FTLocation where = FLUMtools::FTLocation::Node;
    FieldFormat format = FieldFormat::Ascii;
    bool binary = false;
    bool idsInsteadOfCoords = false;
    bool splitFile = false;
    double interval = 100.0;
    std::vector<ValueRequest> values;
    double thresholdWse = -1000000.0;
    double julianReference = 0.0;
};

class FPFieldOutput final : public FPOutput {
public:
    // Checks every value name (unknown or unavailable values stop the run).
    FPFieldOutput(const PlaneView& plane, FieldOutputSettings settings);
    ~FPFieldOutput() override;

    void initialize(double t, double origin) override;
    void afterStep(double t, double dt) override;
    void finalize(double t) override;
    double nextOutputTime() const override { return clock_.next(); }
    bool landsOnOutputTimes() const override { return true; }

    // Names written at every output time (a node-centred depth brings wse along).
    std::vector<std::string> plainNames() const;

private:
    struct Plain {
        std::string name;
        FPFieldValues::Info info;
        std::vector<double> values;
    };
    struct Tracked {
        ValueRequest request;
        FPFieldValues::Info info;
        FPTracker tracker;
        std::vector<double> converted;
    };
    void write(double t);
    void openSinks();

    const PlaneView& plane_;
    FieldOutputSettings settings_;
    FPFieldValues values_;
    FLUMtools::FTMesh2D mesh_;
    FPOutputClock clock_;
    std::vector<Plain> plain_;
    std::vector<Tracked> tracked_;
    std::vector<std::unique_ptr<FPFieldSink>> sinks_, trackSinks_;
    std::vector<double> scratch_;
    bool closed_ = false;
};

}  // namespace FlumPlane
