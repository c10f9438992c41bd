#include "plane/boundary/FPZHydrographBnd.h"

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "plane/flux/FPExact.h"
#include "plane/step/FPEdgeSweep.h"

namespace FlumPlane {

ZHydrographBnd::ZHydrographBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string,
                               bool coupled)
    : Boundary(plane, s.name, string, EdgeZHydrograph),
      inflowPossible_(coupled ? false : s.inflowPossible),
      zeroVelocity_(s.zeroVelocity) {
    if (coupled) {
        if (!s.file.empty())
            Flumaris::fatal("The zhydrograph must not have an input serie.\nThe input serie is determined "
                                "automatically\nfrom the downstream subdomain during coupling.\nProgram cannot "
                                "continue.");
        auto cs = std::make_unique<CouplingSerie>();
        couplingSerie_ = cs.get();
        serie_ = std::move(cs);
    } else {
        if (s.file.empty())
            Flumaris::fatal("No boundary_file specified for hydraulic boundary condition of type 'zhydrograph'. "
                                "A boundary file is compulsory even if constant water level is desired. Provide an "
                                "existing name for a boundary file.");
        serie_ = std::make_unique<Flumaris::BoundarySerie>(s.file);
        serie_->checkBoundarySerie(plane.finalTime());
    }
}

void ZHydrographBnd::update(double t, double) {
    // A coupling that has not delivered a level yet leaves the edges closed.
    Z_ = (couplingSerie_ && couplingSerie_->getSize() == 0) ? -1.0e300 : serie_->getValue(t);
}

void ZHydrographBnd::computeFluxes(double, double) {
    const Exact solver(g_, hmin_, plane_.eulerSettings().riemannTolerance);
    for (int i : edges_) {
        const int e = element(i);
        const EdgeGeometry geo = edgeGeometry(grid_, i);
        const double wse = state_.wse_[e];
        const bool wet = isWet(state_.h_[e], hmin_);
        EdgeState s;
        s.wseL = wse;
        const double hL = wse - geo.zmean;
        if (wet && hL > hmin_) {
            s.hL = hL;
            s.uL = state_.u_[e];
            s.vL = state_.v_[e];
        }
        if (geo.zmean > Z_) {
            if (!state_.fullyWetted_[e] || s.hL <= 0.0) {
                store(i, EdgeFlux{});
                continue;
            }
            s.wseR = geo.zmean;  // dry ghost
        } else if (wse < Z_ && !inflowPossible_) {
            // The ghost mirrors the interior level: water may leave, none enters.
            s.wseR = wse;
            s.hR = s.hL;
        } else {
            s.wseR = Z_;
            s.hR = Z_ - geo.zmean;
        }
        if (s.hR > 0.0 && !zeroVelocity_) {
            s.uR = state_.u_[e];
            s.vR = state_.v_[e];
        }
        EdgeFlux F = (s.hL > 0.0 || s.hR > 0.0) ? solver.flux(geo, s) : EdgeFlux{};
        if ((couplingSerie_ || (wse < Z_ && !inflowPossible_)) && F.mass < 0.0) F = wall(i);  // outflow only
        store(i, F);
    }
    sumDischarge();
}

}  // namespace FlumPlane
