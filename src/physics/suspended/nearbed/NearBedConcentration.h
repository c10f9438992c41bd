#pragma once
// Near-bed (reference) volume concentration c_a [-] for entrainment, selected
// by `concentration_type`.
namespace Flumaris {

// The state at one location for one grain class.
struct NearBedState {
    double tau = 0.0;      // bed shear stress [N/m2]
    double tauCr = 0.0;    // critical bed shear stress [N/m2]
    double theta = 0.0;    // Shields parameter
    double thetaCr = 0.0;  // critical Shields parameter
    double d = 0.0;        // grain diameter [m]
    double dStar = 0.0;    // dimensionless grain size
    double h = 0.0;        // flow depth [m]
};

class NearBedConcentration {
public:
    virtual ~NearBedConcentration() = default;
    virtual double concentration(const NearBedState& s) const = 0;
};

}  // namespace Flumaris
