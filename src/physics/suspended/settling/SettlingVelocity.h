#pragma once
// Settling (sink) velocity w [m/s] of a grain of diameter d [m] with relative
// submerged density delta = s - 1, selected by `sink_velocity_type`.
namespace Flumaris {

class SettlingVelocity {
public:
    // g [m/s2], nu kinematic viscosity [m2/s].
    SettlingVelocity(double g, double nu) : g_(g), nu_(nu) {}
    virtual ~SettlingVelocity() = default;
    virtual double velocity(double d, double delta) const = 0;

protected:
    double g_;
    double nu_;
};

}  // namespace Flumaris
