#include "plane/step/FPWallFriction.h"

#include "core/FlumAssert.h"
#include "physics/resistance/ResistanceCalc.h"

namespace FlumPlane {

WallFriction::WallFriction(const Grid& grid, const Flumaris::ResistanceCalc& law,
                           double wallValue)
    : grid_(grid), law_(law), wallValue_(wallValue) {
    edgeStart_.push_back(0);
    for (int e = 0; e < grid.numElements(); ++e) {
        const auto before = edges_.size();
        for (int k = 0; k < grid.elemNumNodes_[e]; ++k) {
            const int i = grid.elemEdges_[Grid::kMaxNodes * e + k];
            if (grid.edgeType_[i] == EdgeWall) edges_.push_back(i);
        }
        if (edges_.size() == before) continue;
        elements_.push_back(e);
        edgeStart_.push_back(static_cast<int>(edges_.size()));
    }
}

void WallFriction::apply(const FPState& s, std::span<const double> frictionValues, double hmin,
                         double sqrtG, std::span<double> cf) const {
    const int n = numElements();
#pragma omp parallel for schedule(static)
    for (int k = 0; k < n; ++k) {
        const int e = elements_[k];
        const double h = s.h_[e];
        if (h <= hmin) continue;
        double Aw = 0.0;
        for (int j = edgeStart_[k]; j < edgeStart_[k + 1]; ++j) {
            const int i = edges_[j];
            const double d = s.wse_[e] - grid_.edgeZmean_[i];
            if (d > 0.0) Aw += grid_.edgeLength_[i] * d;
        }
        if (Aw <= 0.0) continue;
        const double A = grid_.elemArea_[e];
        FLUM_ASSERT_MSG(A + Aw > 0.0, "wall friction: A + Aw is not positive");
        const double R = wallHydraulicRadius(A, Aw, h);
        FLUM_ASSERT_MSG(R <= h + 0.001, "wall friction: hydraulic radius above the depth");
        const double value = frictionValues[e];
        const double cfBed = law_.getVelocityCoefficient(value, R, 1.0, sqrtG);
        const double cfWall = wallValue_ < 0.0
                                  ? cfBed
                                  : law_.getVelocityCoefficient(wallValue_, R, 1.0, sqrtG);
        cf[e] = wallEquivalentCoefficient(A, Aw, h, cfBed, cfWall);
    }
}

}  // namespace FlumPlane
