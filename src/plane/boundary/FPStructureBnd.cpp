#include "plane/boundary/FPStructureBnd.h"

#include <algorithm>

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "physics/gate/GateLaw.h"

namespace FlumPlane {

StructureBnd::StructureBnd(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, Kind kind,
                           bool coupled)
    : Boundary(plane, s.name, string, kind == Kind::Weir ? EdgeWeir : EdgeGate),
      kind_(kind),
      my_(s.my),
      weir_(s.my) {
    const std::string type = kind == Kind::Weir ? "weir" : "gate";
    if (coupled) {
        auto cs = std::make_unique<CouplingSerie>();
        couplingSerie_ = cs.get();
        serie_ = std::move(cs);
        // A level file of a coupled structure gives its first values.
        if (!s.file.empty()) {
            const Flumaris::BoundarySerie first(s.file);
            for (const auto& [t, z] : first.getPairs()) couplingSerie_->set(t, z);
        }
    } else {
        if (s.file.empty())
            Flumaris::fatal("No boundary_file specified for hydraulic boundary condition of type '" + type +
                                    "'. A file with the " + (kind == Kind::Weir ? "crest" : "gate") +
                                    " level over time is compulsory. Provide an existing name for a boundary file.");
        serie_ = std::make_unique<Flumaris::BoundarySerie>(s.file);
        serie_->checkBoundarySerie(plane.finalTime());
    }
}

void StructureBnd::update(double t, double dt) {
    zs_ = serie_->getValue(t);
    dt_ = dt;
    if (kind_ == Kind::Gate && !(couplingSerie_ && couplingSerie_->getSize() == 0))
        for (int i : edges_)
            if (zs_ < grid_.edgeZmean_[i])
                Flumaris::fatal("Fatal error for inner gate: height underneath gate is negative!");
}

void StructureBnd::computeFluxes(double, double) {
    const bool closed = couplingSerie_ && couplingSerie_->getSize() == 0;
    for (int i : edges_) {
        const int e = element(i);
        const double W = state_.wse_[e];
        if (closed || !isWet(state_.h_[e], hmin_)) {
            store(i, wall(i));
            continue;
        }
        double q = 0.0;
        if (kind_ == Kind::Weir) {
            if (W > zs_) q = weir_.freeDischarge(zs_, W, std::min(grid_.elemZb_[e], zs_));
        } else {
            q = Flumaris::gateDischarge(zs_, W, -1.0e300, grid_.edgeZmean_[i], my_, g_);
        }
        q = limitOutflow(i, q * grid_.edgeLength_[i], dt_);
        store(i, q > 0.0 ? structureFlux(grid_, i, W, q, 1.0, g_) : wall(i));
    }
    sumDischarge();
}

}  // namespace FlumPlane
