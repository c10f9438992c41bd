#include "plane/boundary/FPHydrographBnd.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/MessageService.h"
#include "physics/series/BoundarySerieIntegration.h"
#include "plane/FPPlaneView.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/step/FPElementKernels.h"

namespace FlumPlane {

HydrographBnd::HydrographBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool coupled)
    : SectionBoundary(plane, s, string, EdgeHydrograph) {
    if (coupled) {
        if (!s.file.empty())
            Flumaris::fatal("A boundary file is specified for a coupling hydraulic boundary condition of type "
                                "hydrograph. But no boundary file can be used because the input is taken from the "
                                "coupled subdomain.");
        auto cs = std::make_unique<CouplingSerie>();
        couplingSerie_ = cs.get();
        serie_ = std::move(cs);
    } else {
        if (s.file.empty())
            Flumaris::fatal("No boundary_file specified for hydraulic boundary condition of type hydrograph. A "
                                "hydrograph file is compulsory even if constant discharge is needed. Provide an "
                                "existing name for a boundary_file.");
        serie_ = std::make_unique<Flumaris::BoundarySerieIntegration>(s.file);
        serie_->checkBoundarySerie(plane.finalTime());
    }
    if (s.slope <= 0.0)
        Flumaris::fatal("No slope is given for the hydrograph boundary '" + name() +
                                "'. The water level of the inflow follows from normal flow and needs the slope.\n"
                                "Please complete the required input data and start again.");
}

void HydrographBnd::update(double t, double dt) {
    Q_ = serie_->getValue(t, dt);
    if (!couplingSerie_) {
        // The ramp belongs to the start from rest, so a continued run keeps the stored run's.
        const double tau = t + 0.5 * dt - plane_.origin();
        if (tau < kRampTime) Q_ *= 0.5 * (1.0 - std::cos(std::numbers::pi * std::max(tau, 0.0) / kRampTime));
    }
    // Normal depth is the level of a free reach. A reach held up downstream (a
    // weir, a prescribed level, backwater) stands higher at the inflow, and the
    // inflow must enter at that level: below it, the pressure jump at the edge
    // drives the water back out and the boundary oscillates.
    zBoundary_ = std::max(normalFlowLevel(Q_), meanWaterLevel());
    bool any = false;
    for (std::size_t k = 0; k < edges_.size(); ++k) {
        const int e = element(edges_[k]);
        level_[k] = (settings_.wse == WseMethod::Local && isWet(state_.h_[e], hmin_)) ? state_.wse_[e] : zBoundary_;
        active_[k] = level_[k] > grid_.elemZb_[e] ? 1 : 0;
        any = any || active_[k];
    }
    const bool rampRunning = !couplingSerie_ && t + 0.5 * dt - plane_.origin() < kRampTime;
    if (!any && Q_ > 0.0 && rampRunning && !edges_.empty()) {
        // The first trickle of the start-up ramp enters through the lowest element
        // of the section, as water would run down the thalweg.
        std::size_t low = 0;
        for (std::size_t k = 1; k < edges_.size(); ++k)
            if (grid_.elemZb_[element(edges_[k])] < grid_.elemZb_[element(edges_[low])]) low = k;
        level_[low] = std::max(level_[low], grid_.elemZb_[element(edges_[low])] + hmin_);
        active_[low] = 1;
        any = true;
    }
    if (!any && Q_ > 0.0)
        Flumaris::fatal("At the hydrograph boundary all edges are set inactive (not wetted), but the inflow is "
                            "bigger than 0.0. Either the cells in the boundary cross section are too big or the inflow "
                            "is too small to ensure that at least one element is wetted.");
    distribute(Q_);
    failed_ = false;
    for (double u : edgeU_)
        if (std::fabs(u) >= kMaxSpeed) failed_ = true;
    if (failed_)
        Flumaris::report(3, "A problem occured with the inflow hydrograph boundary. The inflow velocity exceeded '" +
                                std::to_string(static_cast<int>(kMaxSpeed)) + "' m/s. All Fluxes are set to 0.0!");
}

void HydrographBnd::computeFluxes(double, double) {
    for (std::size_t k = 0; k < edges_.size(); ++k) {
        const int i = edges_[k];
        if (failed_) {
            store(i, EdgeFlux{});
            continue;
        }
        if (!active_[k]) {
            store(i, wall(i));
            continue;
        }
        store(i, dischargeFlux(grid_, i, level_[k], edgeU_[k], -edgeQ_[k], g_));
    }
    sumDischarge();
}

}  // namespace FlumPlane
