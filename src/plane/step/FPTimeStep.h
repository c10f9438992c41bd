#pragma once
// Stable time step from the CFL condition over all edges:
// dt = min over wet edges and both sides K of CFL A_K / (L lambda), with
// lambda the larger of |u_K . n| + sqrt(g h_K) of the two sides.
// The minimum and its controlling element do not depend on the thread count.
#include <cmath>
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"
#include "plane/step/FPWetBlocks.h"

namespace FlumPlane {

struct TimeStepSettings {
    double cfl = 1.0;
    double minimum = 0.001;            // warning threshold only
    double maximum = 100.0;
    double initial = 1.0;              // bound of the first step
    bool ignoreWaveCelerity = false;   // celerity from maximumWaterDepth instead of h
    double maximumWaterDepth = 0.0;
    bool checkMinimum = true;
};

// Celerity of an element for the time step; the wave speed normal to an
// edge is |u . n| plus this.
inline double stepCelerity(double h, double g, const TimeStepSettings& s) {
    if (s.ignoreWaveCelerity) return std::sqrt(g * s.maximumWaterDepth) + 1.0e-15;
    return h > 1.0e-15 ? std::sqrt(g * h) + 1.0e-15 : 0.0;
}


class TimeStep {
public:
    explicit TimeStep(const TimeStepSettings& settings) : settings_(settings) {}

    // Next step over the grid; the first call is bounded by the initial step,
    // later ones by the maximum. Warns once below the minimum step.
    // The next step is not bounded by the initial step (a run that continues).
    void skipFirstStepBound() { first_ = false; }
    // With `blocks`, only the elements and interior edges it needs are looked
    // at, which are all that can offer a step.
    double compute(const Grid& grid, const FPState& state, double hmin, double g,
                   const WetBlocks* blocks = nullptr);

    double timeStep() const { return dt_; }
    void setTimeStep(double dt) { dt_ = dt; }
    // Element index controlling the last step, -1 when the bound did.
    int controllingElement() const { return controlling_; }
    bool firstStep() const { return first_; }
    const TimeStepSettings& settings() const { return settings_; }

private:
    TimeStepSettings settings_;
    double dt_ = 0.0;
    int controlling_ = -1;
    bool first_ = true;
    bool minimumWarningShown_ = false;
};

}  // namespace FlumPlane
