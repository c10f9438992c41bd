#pragma once
// A boundary that treats its edge string as a cross section: the string's node
// elevations over the distance along the string form the profile, each edge is
// a slice with the friction value of its element, and the section's level
// tables give the level of a discharge (normal flow) or the discharge of a level.
#include <vector>

#include "plane/boundary/FPBoundary.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "section/SectionTables.h"

namespace FlumPlane {

class SectionBoundary : public Boundary {
public:
    SectionBoundary(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, int edgeType);

    const Flumaris::SectionTables& tables() const { return tables_; }
    // Per edge, from the last update: discharge [m3/s] (positive along the
    // flow), speed, level and the Froude-like number u / sqrt(g A / L).
    const std::vector<double>& edgeDischarges() const { return edgeQ_; }
    const std::vector<double>& edgeVelocities() const { return edgeU_; }
    const std::vector<double>& edgeFroude() const { return froude_; }

protected:
    // Splits Q over the active edges at their levels (conveyance or area weights).
    void distribute(double Q);
    // The level of a discharge by normal flow; fails with the iteration message.
    double normalFlowLevel(double Q) const;

    BoundarySettings settings_;
    Flumaris::SectionTables tables_;
    std::vector<double> level_;       // per edge
    std::vector<unsigned char> active_;
    std::vector<double> edgeQ_, edgeU_, edgeA_, froude_;
};

}  // namespace FlumPlane
