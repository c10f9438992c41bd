#include "plane/boundary/FPExternalSourceHydr.h"

#include <cmath>

#include "core/MessageService.h"
#include "physics/series/BoundarySerieIntegration.h"
#include "plane/FPPlaneView.h"

namespace FlumPlane {

ExternalSourceHydr::ExternalSourceHydr(const PlaneView& plane, const std::string& name, std::vector<int> elements,
                                       const std::string& file, bool coupled)
    : FPBoundaryCondition(name), plane_(plane), elements_(std::move(elements)), rate_(elements_.size(), 0.0) {
    if (coupled) {
        if (!file.empty())
            Flumaris::fatal("A 'source_file' has been specified for EXTERNAL SOURCE in HYDRAULICS. No "
                                "'source_file' is needed for coupling.");
        auto cs = std::make_unique<CouplingSerie>();
        couplingSerie_ = cs.get();
        serie_ = std::move(cs);
    } else {
        if (file.empty())
            Flumaris::fatal("No 'source_file' has been specified for EXTERNAL SOURCE in HYDRAULICS. You have to "
                                "specify a source file with information about time and discharge for every external "
                                "source.");
        serie_ = std::make_unique<Flumaris::BoundarySerieIntegration>(file);
        serie_->checkBoundarySerie(plane.finalTime());
    }
    claims_.sourceElements = elements_;
}

ExternalSourceHydr::~ExternalSourceHydr() = default;

void ExternalSourceHydr::update(double t, double dt) {
    const FPState& s = plane_.state();
    const Grid& g = plane_.grid();
    const double hmin = plane_.hmin();
    Q_ = serie_->getValue(t, dt);
    double area = 0.0;
    for (int e : elements_)
        if (Q_ >= 0.0 || isWet(s.h_[e], hmin)) area += g.elemArea_[e];
    const double rate = area > 0.0 ? Q_ / area : 0.0;
    discharge_ = 0.0;
    for (std::size_t k = 0; k < elements_.size(); ++k) {
        const int e = elements_[k];
        double r = (Q_ >= 0.0 || isWet(s.h_[e], hmin)) ? rate : 0.0;
        if (r < 0.0 && -r * dt > s.h_[e]) r = -kSinkFactor * s.h_[e] / dt;
        // Several sources may share an element: each replaces only its own share.
        plane_.addSourceRate(e, r - rate_[k]);
        rate_[k] = r;
        discharge_ += r * g.elemArea_[e];
    }
}

double ExternalSourceHydr::couplingWaterLevel(double) const {
    const FPState& s = plane_.state();
    const Grid& g = plane_.grid();
    double sum = 0.0, area = 0.0;
    for (int e : elements_) {
        sum += s.wse_[e] * g.elemArea_[e];
        area += g.elemArea_[e];
    }
    return area > 0.0 ? sum / area : 0.0;
}

}  // namespace FlumPlane
