#pragma once
// Stops a 2-D run whose state no river can produce, before the outputs write
// it: non-finite depths or velocities, depths or speeds far beyond the relief
// of the bed, and a water volume that no longer matches what the boundaries
// and sources brought in. An unstable time step (a careless CFL, a celerity
// taken from a wrong depth) otherwise grows into numbers that look like results.
//
// Only reads the state: a healthy run computes exactly what it computed before.
// The full scan runs every kScanInterval steps and at every step where an
// output is due, so every record an output writes has passed it; the inflow
// sums over boundary edges and source elements run every step.
#include <memory>
#include <string>
#include <vector>

namespace FlumPlane {

class Grid;
class FPState;
class FPOutput;
struct EulerSettings;

class FPRunHealth {
public:
    static constexpr int kScanInterval = 16;
    // Depth limit: kReliefFactor x (bed relief + deepest water at the start) + kDepthMargin;
    // speed limit: 2 sqrt(g x depth limit), the front speed of a dam break that deep.
    static constexpr double kReliefFactor = 10.0;
    static constexpr double kDepthMargin = 10.0;     // [m]
    // Speeds count only where the depth exceeds this many minimum_water_depth:
    // momentum over a film just above the wet threshold gives speeds no flow has.
    static constexpr double kFilmFactor = 10.0;
    // Volume error allowed, as a share of the water that was on or passed through the mesh.
    static constexpr double kVolumeShare = 0.05;

    FPRunHealth(const std::string& subdomain, const Grid& grid, const FPState& state, const EulerSettings& settings,
                const std::vector<std::unique_ptr<FPOutput>>& outputs)
        : name_(subdomain), grid_(grid), state_(state), settings_(settings), outputs_(outputs) {}

    // After the commit of a step of length dt that ends at t, before the outputs
    // run; a broken state ends the run with a level-1 message.
    void afterStep(double t, double dt);

    // The limits in force (known after the first step).
    double depthLimit() const { return depthLimit_; }
    double speedLimit() const { return speedLimit_; }
    // At the last scan: volume minus volume at the start minus the net inflow since [m3].
    double volumeError() const { return volumeNow_ - volumeStart_ - inflowAtScan_; }

private:
    struct Scan {
        int nonFinite = -1;  // first element with a non-finite depth or velocity
        int deepest = -1;
        int fastest = -1;    // fastest element deeper than a film
        double volume = 0.0;
        double maxDepth = 0.0;
        double maxSpeed = 0.0;
    };
    void start(double t, double dt, double inflowRate);
    Scan scan() const;
    bool outputDue(double t) const;
    [[noreturn]] void fail(double t, const std::string& what, int element) const;

    std::string name_;
    const Grid& grid_;
    const FPState& state_;
    const EulerSettings& settings_;
    const std::vector<std::unique_ptr<FPOutput>>& outputs_;

    bool started_ = false;
    int stepsSinceScan_ = 0;
    std::vector<int> sourceElements_;
    double relief_ = 0.0;
    double depthLimit_ = 0.0;
    double speedLimit_ = 0.0;
    double volumeStart_ = 0.0;
    double volumeNow_ = 0.0;
    double inflowVolume_ = 0.0;   // net, signed [m3]
    double inflowAtScan_ = 0.0;
    double throughput_ = 0.0;     // in and out, unsigned [m3]
    double volumeFloor_ = 0.0;    // a film of the wet threshold over the mesh [m3]
    double trustedUntil_ = 0.0;   // last time whose outputs passed a scan
};

}  // namespace FlumPlane
