#include "plane/step/FPRunHealth.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"
#include "plane/output/FPOutput.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPState.h"

namespace FlumPlane {

namespace {

std::string num(double x) { return fmt::format("{:.6g}", x); }

// Net inflow [m3/s] of the step just taken and its magnitude: boundary edges
// (a positive flux leaves the left element, the only one such an edge has;
// inner structures take out on one string what they give on the other) and
// external sources.
void inflowOfStep(const Grid& g, const FPState& s, const std::vector<int>& sources, double& net, double& gross) {
    net = gross = 0.0;
    for (const int i : g.boundaryEdges_) {
        net -= s.fluxMass_[i];
        gross += std::fabs(s.fluxMass_[i]);
    }
    for (const int e : sources) {
        const double q = s.sourceRate_[e] * g.elemArea_[e];
        net += q;
        gross += std::fabs(q);
    }
}

}  // namespace

void FPRunHealth::afterStep(double t, double dt) {
    double net = 0.0, gross = 0.0;
    if (!started_) {
        for (int e = 0; e < grid_.numElements(); ++e)
            if (state_.hasSource_[e]) sourceElements_.push_back(e);
        inflowOfStep(grid_, state_, sourceElements_, net, gross);
        start(t, dt, net);
    } else {
        inflowOfStep(grid_, state_, sourceElements_, net, gross);
    }
    inflowVolume_ += net * dt;
    throughput_ += gross * dt;

    const bool due = outputDue(t);
    if (++stepsSinceScan_ < kScanInterval && !due) return;
    stepsSinceScan_ = 0;

    const Scan s = scan();
    volumeNow_ = s.volume;
    inflowAtScan_ = inflowVolume_;
    if (s.nonFinite >= 0) {
        const int e = s.nonFinite;
        fail(t,
             "element #" + std::to_string(grid_.elemId_[e]) +
                 " has a depth or velocity that is not a finite number (h = " + num(state_.h_[e]) +
                 " m, u = " + num(state_.u_[e]) + " m/s, v = " + num(state_.v_[e]) + " m/s).",
             e);
    }
    if (s.maxDepth > depthLimit_)
        fail(t,
             "element #" + std::to_string(grid_.elemId_[s.deepest]) + " holds a depth of " + num(s.maxDepth) +
                 " m, beyond any river on this bed (limit " + num(depthLimit_) + " m: " + num(kReliefFactor) +
                 " times the bed relief and the deepest water at the start, plus " + num(kDepthMargin) + " m).",
             s.deepest);
    if (s.maxSpeed > speedLimit_)
        fail(t,
             "element #" + std::to_string(grid_.elemId_[s.fastest]) + " flows at " + num(s.maxSpeed) + " m/s in " +
                 num(state_.h_[s.fastest]) + " m of water, beyond any river on this bed (limit " + num(speedLimit_) +
                 " m/s, the front of a dam break as deep as the depth limit of " + num(depthLimit_) + " m).",
             s.fastest);
    const double error = volumeError();
    const double scale = volumeStart_ + throughput_ + volumeFloor_;
    if (std::fabs(error) > kVolumeShare * scale) {
        const int e = std::max(s.deepest, 0);
        fail(t,
             "the water volume has changed by " + num(volumeNow_ - volumeStart_) +
                 " m3 while the boundaries and sources brought " + num(inflowAtScan_) +
                 " m3; the balance is off by " + num(error) + " m3, more than " + num(100.0 * kVolumeShare) +
                 "% of the " + num(scale) + " m3 of water that was on or passed through the mesh. Element #" +
                 std::to_string(grid_.elemId_[e]) + " is the deepest, with " + num(s.maxDepth) + " m.",
             e);
    }
    if (due) trustedUntil_ = t;
}

void FPRunHealth::start(double t, double dt, double inflowRate) {
    started_ = true;
    double zmin = HUGE_VAL, zmax = -HUGE_VAL;
    for (const double z : grid_.nodeZ_) {
        zmin = std::min(zmin, z);
        zmax = std::max(zmax, z);
    }
    relief_ = grid_.numNodes() > 0 ? zmax - zmin : 0.0;
    const Scan s = scan();
    // The state is that after the first step; its depths stand for the start.
    depthLimit_ = kReliefFactor * (relief_ + s.maxDepth) + kDepthMargin;
    // The front of a dam break of that depth, the fastest a free surface runs.
    speedLimit_ = 2.0 * std::sqrt(Flumaris::settings().gravity() * depthLimit_);
    volumeStart_ = s.volume - inflowRate * dt;
    volumeNow_ = s.volume;
    inflowAtScan_ = inflowRate * dt;
    volumeFloor_ = settings_.hmin * grid_.totalArea();
    trustedUntil_ = t - dt;
}

FPRunHealth::Scan FPRunHealth::scan() const {
    // One thread, in element order: the same answer for every thread count.
    Scan r;
    const double film = kFilmFactor * settings_.hmin;
    const int ne = grid_.numElements();
    const double* h = state_.h_.data();
    const double* u = state_.u_.data();
    const double* v = state_.v_.data();
    const double* A = grid_.elemArea_.data();
    double maxSpeed2 = 0.0;
    for (int e = 0; e < ne; ++e) {
        const double speed2 = u[e] * u[e] + v[e] * v[e];
        r.volume += h[e] * A[e];
        // NaN fails every comparison: only finite values pass.
        if (!(std::fabs(h[e]) <= 1.0e300 && speed2 <= 1.0e300)) {
            if (r.nonFinite < 0) r.nonFinite = e;
            continue;
        }
        if (h[e] > r.maxDepth) {
            r.maxDepth = h[e];
            r.deepest = e;
        }
        if (h[e] > film && speed2 > maxSpeed2) {
            maxSpeed2 = speed2;
            r.fastest = e;
        }
    }
    r.maxSpeed = std::sqrt(maxSpeed2);
    return r;
}

bool FPRunHealth::outputDue(double t) const {
    const double tol = 1.0e-6 * std::max(1.0, std::fabs(t));
    for (const auto& o : outputs_)
        if (o->nextOutputTime() <= t + tol) return true;
    return false;
}

void FPRunHealth::fail(double t, const std::string& what, int element) const {
    Flumaris::fatal("Error: The run of the subdomain '" + name_ + "' has become unstable at t = " + num(t) +
                            " s: " + what + "\nResults written at or before t = " + num(trustedUntil_) +
                            " s are trustworthy; later ones are not.\nReduce CFL or maximum_time_step in the "
                            "TIMESTEP block, and check the mesh, the boundary conditions and the initial conditions "
                            "near element #" + std::to_string(grid_.elemId_[element]) + ".");
    throw Flumaris::FatalError("unreachable");
}

}  // namespace FlumPlane
