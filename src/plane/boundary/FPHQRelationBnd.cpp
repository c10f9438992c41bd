#include "plane/boundary/FPHQRelationBnd.h"

#include <cmath>

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "plane/step/FPElementKernels.h"

namespace FlumPlane {

HQRelationBnd::HQRelationBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, bool)
    : SectionBoundary(plane, s, string, EdgeHQRelation) {
    if (!s.file.empty())
        table_ = std::make_unique<Flumaris::StandardSerie>(s.file);
    else if (s.slope <= 0.0)
        Flumaris::fatal("You have to define either a slope or a hq-boundary file for the hqrelation boundary. "
                            "Please complete the required input data and start again.");
}

void HQRelationBnd::update(double, double dt) {
    dt_ = dt;
    const double zAvg = meanWaterLevel();
    const auto& slices = tables_.slices();
    double Kedges = 0.0;
    for (std::size_t k = 0; k < edges_.size(); ++k) {
        const int e = element(edges_[k]);
        const bool wet = isWet(state_.h_[e], hmin_);
        level_[k] = (settings_.wse == WseMethod::Local && wet) ? state_.wse_[e] : zAvg;
        const auto& sl = slices[k];
        active_[k] = (wet && level_[k] > sl.leftPoint_[2] && level_[k] > sl.rightPoint_[2]) ? 1 : 0;
        if (active_[k]) Kedges += tables_.sliceConveyance(k, level_[k]);
    }
    bool any = false;
    for (unsigned char a : active_) any = any || a;
    if (!any) {
        Q_ = 0.0;
    } else if (table_) {
        Q_ = std::max(0.0, table_->getValue(zAvg));
    } else {
        const double sqrtS = std::sqrt(settings_.slope / 1000.0);
        Q_ = (settings_.conveyance == ConveyanceSource::Edge ? Kedges : tables_.tableConveyance(zAvg)) * sqrtS;
    }
    distribute(Q_);
    failed_ = false;
    for (double u : edgeU_)
        if (std::fabs(u) > kMaxSpeed) failed_ = true;
    if (failed_)
        Flumaris::report(3, "A problem occured with the outflow hqrelation boundary.\nThe outflow velocity exceeded " +
                                std::to_string(static_cast<int>(kMaxSpeed)) + " m/s");
}

void HQRelationBnd::computeFluxes(double, double) {
    for (std::size_t k = 0; k < edges_.size(); ++k) {
        const int i = edges_[k];
        if (!active_[k]) {
            store(i, settings_.wallFlux ? wall(i) : zeroGradient(i));
            continue;
        }
        if (failed_) {
            store(i, wall(i));
            continue;
        }
        // Never more than the element holds: the step keeps its depth >= 0.
        const double q = limitOutflow(i, edgeQ_[k], dt_);
        const double u = edgeQ_[k] > 0.0 ? edgeU_[k] * q / edgeQ_[k] : 0.0;
        store(i, dischargeFlux(grid_, i, level_[k], u, q, g_));
    }
    sumDischarge();
}

}  // namespace FlumPlane
