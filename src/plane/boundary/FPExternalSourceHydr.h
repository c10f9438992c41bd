#pragma once
// Water added to (or, negative, taken from) a set of elements without
// momentum. Per step the discharge Q is the mean of the series over the step;
// a source spreads it over all its elements, a sink over its wet ones, as the
// same rate s = Q / (their total area) [m/s]. A sink never takes more than
// kSinkFactor of an element's water in one step: where |s dt| > h the rate
// becomes -kSinkFactor h / dt. The factor 0.9 keeps a margin below the water
// present, like a CFL number below 1, so that the wet/dry threshold and the
// edge outflows of the same step do not drive the depth negative.
#include <memory>
#include <string>
#include <vector>

#include "physics/series/BoundarySerie.h"
#include "plane/boundary/FPBoundaryCondition.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/boundary/FPCouplingSerie.h"

namespace FlumPlane {

class PlaneView;

class ExternalSourceHydr : public FPBoundaryCondition {
public:
    static constexpr double kSinkFactor = 0.9;

    // elements: element indices; file: resolved series path, empty for a coupled source.
    ExternalSourceHydr(const PlaneView& plane, const std::string& name, std::vector<int> elements,
                       const std::string& file, bool coupled);
    ~ExternalSourceHydr() override;

    void update(double t, double dt) override;
    void computeFluxes(double, double) override {}
    // Water actually added over the last step [m3/s] (limited sinks included).
    double discharge() const override { return discharge_; }
    // Discharge of the series over the last step.
    double seriesDischarge() const { return Q_; }
    const std::vector<int>& elements() const { return elements_; }

    bool couplingReady(double) const { return couplingSerie_ && couplingSerie_->getSize() > 0; }
    double couplingDischarge(double) const { return discharge_; }
    double couplingWaterLevel(double) const;
    void receiveDischarge(double t, double q) {
        if (couplingSerie_) couplingSerie_->set(t, q);
    }
    void receiveWaterLevel(double, double) {}

private:
    const PlaneView& plane_;
    std::vector<int> elements_;
    std::vector<double> rate_;  // own contribution to the element source rates
    std::unique_ptr<Flumaris::BoundarySerie> serie_;
    CouplingSerie* couplingSerie_ = nullptr;
    double Q_ = 0.0;
    double discharge_ = 0.0;
};

using ExternalSourceHydrCoupling = CouplingBnd<ExternalSourceHydr>;

}  // namespace FlumPlane
