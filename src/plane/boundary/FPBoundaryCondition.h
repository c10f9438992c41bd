#pragma once
// A boundary condition, inner structure or source of the 2-D subdomain.
// The subdomain calls, once per step and in this order: update() for every
// condition (serially), the interior edge fluxes, computeFluxes() for every
// condition, then the element update.
#include <string>
#include <vector>

namespace FlumPlane {

class FPBoundaryCondition {
public:
    explicit FPBoundaryCondition(std::string name) : name_(std::move(name)) {}
    virtual ~FPBoundaryCondition() = default;
    const std::string& name() const { return name_; }

    // Reads series and sets element source rates for the step [t, t + dt].
    virtual void update(double t, double dt) = 0;
    // Writes the fluxes of the condition's own edges.
    virtual void computeFluxes(double t, double dt) = 0;
    // Discharge into the subdomain over the last step [m3/s] (histories, balances).
    virtual double discharge() const { return 0.0; }

private:
    std::string name_;
};

}  // namespace FlumPlane
