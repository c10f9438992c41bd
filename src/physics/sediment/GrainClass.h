#pragma once
// One grain class of the bed material: a diameter [m] and the bounds of the
// size range it stands for (open until a sieve curve narrows them).
namespace Flumaris {

class GrainClass {
public:
    explicit GrainClass(double d) : d_(d) {}

    double diameter() const { return d_; }
    double lowerBound() const { return lower_; }
    double upperBound() const { return upper_; }
    void setBounds(double lower, double upper)
    {
        lower_ = lower;
        upper_ = upper;
    }

private:
    double d_;
    double lower_ = -1.0e20;
    double upper_ = 1.0e20;
};

}  // namespace Flumaris
