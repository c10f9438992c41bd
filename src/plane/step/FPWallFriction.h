#pragma once
// Friction of side walls on elements beside wall edges. The wetted wall area
// Aw = sum L (WSE - zmean) over wall edges under water lowers the hydraulic
// radius R = h A / (A + Aw) and mixes the bed and wall coefficients by area,
// cf = (cf_bed A + cf_wall Aw) / (A + Aw); the friction rate is |u| / (R cf^2).
// The element update uses |u| / (cf^2 h), so the wall result is stored as the
// equivalent coefficient cf sqrt(R / h) in the element's coefficient array.
#include <cmath>
#include <span>
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"

namespace Flumaris {
class ResistanceCalc;
}

namespace FlumPlane {

// Hydraulic radius of an element with wetted wall area Aw.
inline double wallHydraulicRadius(double A, double Aw, double h) { return h * A / (A + Aw); }

// Equivalent bed coefficient: |u| / (cfEq^2 h) equals |u| / (R cf^2).
inline double wallEquivalentCoefficient(double A, double Aw, double h, double cfBed,
                                        double cfWall) {
    const double R = wallHydraulicRadius(A, Aw, h);
    const double cf = (cfBed * A + cfWall * Aw) / (A + Aw);
    return cf * std::sqrt(R / h);
}

class WallFriction {
public:
    // Collects the elements with edges of type EdgeWall (call after the
    // boundary conditions have set the edge types). wallValue < 0: walls take
    // the friction value of the element.
    WallFriction(const Grid& grid, const Flumaris::ResistanceCalc& law, double wallValue);

    // Overwrites cf of every wet element with wetted walls; run after the law
    // has filled cf for all elements. frictionValues: per element.
    void apply(const FPState& state, std::span<const double> frictionValues, double hmin,
               double sqrtG, std::span<double> cf) const;

    int numElements() const { return static_cast<int>(elements_.size()); }

private:
    const Grid& grid_;
    const Flumaris::ResistanceCalc& law_;
    double wallValue_;
    std::vector<int> elements_;
    std::vector<int> edgeStart_;  // wall edges of elements_[k]: edges_[edgeStart_[k] .. edgeStart_[k+1])
    std::vector<int> edges_;
};

}  // namespace FlumPlane
