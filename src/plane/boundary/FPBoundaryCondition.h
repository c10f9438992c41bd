#pragma once
// A boundary condition, inner structure or source of the 2-D subdomain.
// The subdomain calls, once per step and in this order: update() for every
// condition (serially), the interior edge fluxes, computeFluxes() for every
// condition, then the element update.
//
// A condition never edits the grid: it states which edges it takes (claims),
// and the subdomain assigns the edge types, links and sweeps from them once,
// when it adds the condition.
#include <string>
#include <vector>

namespace FlumPlane {

// Edges and elements that a condition takes over.
struct EdgeClaims {
    struct Edge {
        int edge;
        int type;       // BoundaryEdgeType code
        int link = -1;  // boundary edge across an inner structure
    };
    std::vector<Edge> edges;
    std::vector<int> leaveSweep;      // interior edges whose flux the condition computes
    std::vector<int> sourceElements;  // elements that receive a source rate
};

class FPBoundaryCondition {
public:
    explicit FPBoundaryCondition(std::string name) : name_(std::move(name)) {}
    virtual ~FPBoundaryCondition() = default;
    const std::string& name() const { return name_; }

    // Reads series and sets element source rates for the step [t, t + dt].
    virtual void update(double t, double dt) = 0;
    // Writes the fluxes of the condition's own edges.
    virtual void computeFluxes(double t, double dt) = 0;
    const EdgeClaims& claims() const { return claims_; }
    // The STRINGDEF the condition acts on (the first one of a structure); empty for sources.
    virtual std::string stringName() const { return {}; }
    // The step's fluxes were scaled so that no element gives more than it holds:
    // recount the discharge from the own edges.
    virtual void fluxesLimited() {}
    // Discharge into the subdomain over the last step [m3/s] (histories, balances).
    virtual double discharge() const { return 0.0; }

protected:
    EdgeClaims claims_;

private:
    std::string name_;
};

}  // namespace FlumPlane
