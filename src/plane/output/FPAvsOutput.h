#pragma once
// AVS UCD movie file "<prefix>_Movie_AVS.inp": a step count, then per output
// time a block "step<k> <time>" with the mesh (triangles and quadrilaterals)
// and four node values: bed level, wse, depth and speed. The step count at the
// top is rewritten after every step, so the file is complete at all times.
#include <cstdio>

#include "plane/output/FPFieldValues.h"
#include "plane/output/FPOutput.h"

namespace FlumPlane {

class PlaneView;

class FPAvsOutput final : public FPOutput {
public:
    FPAvsOutput(const PlaneView& plane, double interval);
    ~FPAvsOutput() override;

    void initialize(double t, double origin) override;
    void afterStep(double t, double) override {
        if (clock_.due(t)) write(t);
    }
    void finalize(double t) override;
    double nextOutputTime() const override { return clock_.next(); }
    bool landsOnOutputTimes() const override { return true; }

private:
    void write(double t);
    const PlaneView& plane_;
    FPFieldValues values_;
    FPOutputClock clock_;
    std::FILE* file_ = nullptr;
    int steps_ = 0;
};

}  // namespace FlumPlane
