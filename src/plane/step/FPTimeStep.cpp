#include "plane/step/FPTimeStep.h"

#include <fmt/format.h>
#include <string>

#include "core/MessageService.h"

namespace FlumPlane {

namespace {

// Candidate step with its element; ties go to the lower element index so
// that the merge order of the threads cannot change the result.
struct Candidate {
    double dt;
    int element;
    void offer(double d, int e) {
        if (d < dt || (d == dt && e < element)) {
            dt = d;
            element = e;
        }
    }
};

}  // namespace

double TimeStep::compute(const Grid& grid, const FPState& s, double hmin, double g,
                         const WetBlocks* blocks) {
    const double start = first_ ? settings_.initial : settings_.maximum;
    const double wet = hmin + 1.0e-15;
    const double cfl = settings_.cfl;
    const TimeStepSettings& ts = settings_;
    const int ni = grid.numEdges();
    Candidate best{start, -1};
    const int* interior = grid.interiorEdges_.data();
    const int nc = blocks ? static_cast<int>(blocks->neededChunks().size()) : 0;
    const int no = blocks ? static_cast<int>(blocks->otherEdges().size()) : 0;

    // The celerity of a side is recomputed per edge rather than stored per
    // element: a square root is cheaper than a second pass and its barrier.
    auto offerEdge = [&](Candidate& local, int i) {
        const int l = grid.edgeLeft_[i];
        const int r = grid.edgeRight_[i];
        const bool wetL = s.h_[l] > wet;
        const bool wetR = r >= 0 && s.h_[r] > wet;
        if (!wetL && !wetR) return;
        const double nx = grid.edgeNx_[i], ny = grid.edgeNy_[i];
        double lambda = std::fabs(s.u_[l] * nx + s.v_[l] * ny) + stepCelerity(s.h_[l], g, ts);
        if (r >= 0)
            lambda = std::fmax(lambda, std::fabs(s.u_[r] * nx + s.v_[r] * ny) + stepCelerity(s.h_[r], g, ts));
        const double perLength = cfl / (grid.edgeLength_[i] * lambda);
        local.offer(grid.elemArea_[l] * perLength, l);
        if (r >= 0) local.offer(grid.elemArea_[r] * perLength, r);
    };

#pragma omp parallel
    {
        Candidate local{start, -1};
        if (blocks) {
#pragma omp for schedule(static) nowait
            for (int k = 0; k < nc; ++k) {
                const int ch = blocks->neededChunks()[k];
                for (int j = blocks->chunkBegin(ch); j < blocks->chunkEnd(ch); ++j) offerEdge(local, interior[j]);
            }
#pragma omp for schedule(static) nowait
            for (int k = 0; k < no; ++k) offerEdge(local, blocks->otherEdges()[k]);
        } else {
#pragma omp for schedule(static) nowait
            for (int i = 0; i < ni; ++i) offerEdge(local, i);
        }
#pragma omp critical(flum_plane_time_step)
        best.offer(local.dt, local.element);
    }

    dt_ = best.dt;
    controlling_ = best.element;
    first_ = false;
    if (ts.checkMinimum && !minimumWarningShown_ && dt_ < ts.minimum) {
        minimumWarningShown_ = true;
        Flumaris::report(3, fmt::format("The time step '{:g}' is smaller than the minimum time "
                                         "step '{:g}' !\nElement = {} controls the time step!\n"
                                         "This Warning shows up only once.",
                                         dt_, ts.minimum,
                                         controlling_ >= 0 ? grid.elemId_[controlling_] : -1));
    }
    return dt_;
}

}  // namespace FlumPlane
