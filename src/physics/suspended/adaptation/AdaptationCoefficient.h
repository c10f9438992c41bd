#pragma once
// Adaptation coefficient alpha [-]: the ratio of the near-bed to the depth-
// averaged concentration that turns a near-bed deposition rate into one of the
// depth-averaged model.
namespace Flumaris {

class AdaptationCoefficient {
public:
    static constexpr double kKarman = 0.4;
    virtual ~AdaptationCoefficient() = default;
    // w settling velocity [m/s], uStar shear velocity [m/s], aOverH reference height / depth.
    virtual double coefficient(double w, double uStar, double aOverH) const = 0;
};

}  // namespace Flumaris
