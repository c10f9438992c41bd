#pragma once
// Structures inside the mesh between two edge strings of equal node count:
// edge k of the first string is paired with edge k of the second, and the
// discharge computed for the pair leaves the element of one edge and enters
// the element of the other. The strings are mesh-boundary edges (the two
// banks of a gap cut into the mesh), or one string of interior edges named
// twice, whose edges then leave the interior Riemann sweep.
//
// Kinds: weir (crest series, flow towards the lower side with submergence),
// gate (gate level series, physics/gate/GateLaw.h, momentum of the re-entering flow times
// momentum_factor), hqrelation (table of upstream level and discharge, flow
// from string 1 to string 2 only), exact (the exact Riemann flux between the
// two elements across the pair) and dummy (no flux).
#include <memory>
#include <vector>

#include "physics/series/BoundarySerie.h"
#include "physics/series/StandardSerie.h"
#include "physics/weir/WeirCalc.h"
#include "plane/boundary/FPBoundaryCondition.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "plane/flux/FPEdgeRecords.h"

namespace FlumPlane {

class PlaneView;
class Grid;
class FPState;

class InnerBoundary : public FPBoundaryCondition {
public:
    enum class Kind { Weir, Gate, HQRelation, Exact, Dummy };
    InnerBoundary(const PlaneView& plane, const BoundarySettings& s, Kind kind);

    void update(double t, double dt) override;
    void computeFluxes(double t, double dt) override;
    // Discharge from the first to the second string over the last step [m3/s].
    double discharge() const override { return discharge_; }
    void fluxesLimited() override;
    const std::vector<int>& edges1() const { return edges1_; }
    std::string stringName() const override { return settings_.stringName; }
    const std::vector<int>& edges2() const { return edges2_; }

private:
    // Element beside edge k of string 1 (side 0) or string 2 (side 1).
    int element(std::size_t k, int side) const;
    // Writes the pair's fluxes for q [m3/s] from side `from` to the other side.
    void passDischarge(std::size_t k, int from, double q);
    double limit(int e, double q) const;

    const PlaneView& plane_;
    const Grid& grid_;
    const FPState& state_;
    Kind kind_;
    BoundarySettings settings_;
    std::vector<int> edges1_, edges2_;
    std::vector<unsigned char> shared_;  // pair is one interior edge
    Flumaris::WeirCalc weir_;
    std::unique_ptr<Flumaris::BoundarySerie> serie_;
    std::unique_ptr<Flumaris::StandardSerie> table_;
    double hmin_, g_;
    double level_ = 0.0;
    double dt_ = 0.0;
    double discharge_ = 0.0;
};

class InnerWeirBnd final : public InnerBoundary {
public:
    InnerWeirBnd(const PlaneView& p, const BoundarySettings& s) : InnerBoundary(p, s, Kind::Weir) {}
};
class InnerGateBnd final : public InnerBoundary {
public:
    InnerGateBnd(const PlaneView& p, const BoundarySettings& s) : InnerBoundary(p, s, Kind::Gate) {}
};
class InnerHQRelationBnd final : public InnerBoundary {
public:
    InnerHQRelationBnd(const PlaneView& p, const BoundarySettings& s) : InnerBoundary(p, s, Kind::HQRelation) {}
};
class InnerExactFlux final : public InnerBoundary {
public:
    InnerExactFlux(const PlaneView& p, const BoundarySettings& s) : InnerBoundary(p, s, Kind::Exact) {}
};
class InnerDummyFlux final : public InnerBoundary {
public:
    InnerDummyFlux(const PlaneView& p, const BoundarySettings& s) : InnerBoundary(p, s, Kind::Dummy) {}
};

}  // namespace FlumPlane
