#pragma once
// The console line every console_time_step: time, hydraulic step, subdomain.
#include <string>

#include "plane/output/FPOutput.h"

namespace FlumPlane {

class FPConsoleOutput final : public FPOutput {
public:
    FPConsoleOutput(std::string subdomain, double interval) : name_(std::move(subdomain)), clock_(interval) {}

    void initialize(double t, double origin) override { clock_.start(t, origin); clock_.written(t); }
    void afterStep(double t, double dt) override;
    void finalize(double) override {}
    double nextOutputTime() const override { return clock_.next(); }

    static std::string line(double t, double dt, const std::string& subdomain);

private:
    std::string name_;
    FPOutputClock clock_;
};

}  // namespace FlumPlane
