#pragma once
// Bed-load transport capacity: the family of formulas selected by the key
// `bedload_transport`. A formula turns the hydraulic state of one location
// (2-D element corner or 1-D section), the Shields parameter theta_k of grain
// class k and the class's critical value into the specific capacity
//   q_k [m2/s]  (solid volume per unit width, without pores, before the class fraction).
// Common steps: theta_cr is modified by the registered modifiers (local slope,
// apparent cohesion) in registration order and bounded below (0, or
// min_theta_critic for Wu, Parker and van Rijn); theta_k <= theta_cr gives 0.
//
// The 1-D and 2-D codes differ only in where theta_cr and the slopes come from;
// both pass them in, so one capacity() serves both. capacity() is const, pure
// and allocation-free: it may run per element and class from parallel loops.
// prepare() fills the per-location data (mean diameters, hiding factors) of a
// BedLocation that the caller owns and that makeLocation() sized once.
#include <vector>

#include "physics/sediment/GrainMixture.h"
#include "physics/sediment/SedParameters.h"
#include "physics/sediment/ThetaCritical.h"

namespace Flumaris {

// Hydraulic state at one location.
struct FlowState {
    double c = 0.0;             // velocity coefficient U/u* of the friction law
    double u = 0.0;             // depth-averaged velocity magnitude [m/s]
    double h = 0.0;             // flow depth [m]
    double slope = 0.0;         // bed (or energy) gradient along the flow; negative downhill
    double slopeLateral = 0.0;  // bed gradient across the flow
    int location = -1;          // element or section index, for the modifiers' own data
};

// Per-location data that prepare() derives from the bed mixture.
struct BedLocation {
    double dm = 0.0;           // mean diameter of the surface mixture [m]
    double dg = 0.0;           // geometric mean [m]
    double sigma = 0.0;        // geometric standard deviation
    double dmSub = 0.0;        // mean diameter of the first sublayer [m] (dm without one)
    double armouring = 1.0;    // (dm_sub/dm)^0.33, Hunziker
    double thetaCrMean = 0.0;  // theta_cr of dm from the curve, Hunziker
    std::vector<double> hiding;  // per class: hiding factor on theta_cr
};

// Result for one class: capacity and the values used, for output.
struct ClassCapacity {
    double q = 0.0;        // [m2/s]
    double thetaCr = 0.0;  // critical value used
    double theta = 0.0;    // Shields value compared with thetaCr (Parker dg, Hunziker dm)
};

// Changes theta_cr per location and class (local slope, apparent cohesion).
// Registered once at set-up; called concurrently, so it must be const-pure.
class ThetaCriticalModificationInterface {
public:
    virtual ~ThetaCriticalModificationInterface() = default;
    virtual double modify(double thetaCr, int k, const FlowState& flow) const = 0;
};

class TransportCapacity {
public:
    // K: the formula's scale factor.
    TransportCapacity(const SedParameters& params, const ThetaCritical& thetaCritical, double K);
    virtual ~TransportCapacity() = default;
    TransportCapacity(const TransportCapacity&) = delete;
    TransportCapacity& operator=(const TransportCapacity&) = delete;

    BedLocation makeLocation() const;
    // sublayer: the mixture below the surface, or null.
    virtual void prepare(const GrainMixture& surface, const GrainMixture* sublayer, BedLocation& loc) const;
    // theta: Shields parameter of class k; thetaCr: the class's critical value at this location.
    virtual ClassCapacity capacity(const FlowState& flow, const BedLocation& loc, int k, double theta,
                                   double thetaCr) const = 0;
    // False for the power law, which moves sediment at any velocity.
    virtual bool hasThreshold() const { return true; }

    void addModifier(const ThetaCriticalModificationInterface& m) { modifiers_.push_back(&m); }
    double scale() const { return K_; }
    const SedParameters& parameters() const { return *params_; }

protected:
    double modified(double thetaCr, int k, const FlowState& flow) const
    {
        for (const ThetaCriticalModificationInterface* m : modifiers_) thetaCr = m->modify(thetaCr, k, flow);
        return thetaCr;
    }
    double d(int k) const { return params_->diameter(k); }

    const SedParameters* params_;
    const ThetaCritical* thetaCritical_;
    double K_;

private:
    std::vector<const ThetaCriticalModificationInterface*> modifiers_;
};

}  // namespace Flumaris
