#pragma once
// Whole-domain balance at every output time: the hydraulic time step with its
// controlling element and edge, and the water volume.
#include <chrono>
#include <string>
#include <vector>

#include "plane/output/FPOutput.h"
#include "tools/FTTextFile.h"

namespace FlumPlane {

class PlaneView;

class FPBalanceOutput final : public FPOutput {
public:
    // values: "timestep", "water_volume" ("sediment" needs sediment transport).
    FPBalanceOutput(const PlaneView& plane, const std::vector<std::string>& values, double interval);

    void initialize(double t, double origin) override;
    void afterStep(double t, double dt) override;
    void finalize(double t) override;
    double nextOutputTime() const override { return clock_.next(); }

private:
    void write(double t);
    const PlaneView& plane_;
    bool timestep_ = false, volume_ = false;
    FPOutputClock clock_;
    FLUMtools::FTTextFile file_;
    double lastDt_ = 0.0;
    std::chrono::steady_clock::time_point start_;
    bool closed_ = false;
};

}  // namespace FlumPlane
