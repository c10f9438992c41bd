#pragma once
// Reduction of the bed shear stress that drives bed load, because part of the
// resistance is form drag of bed forms. Factors lie in (0, 1].
namespace Flumaris {

// What a 2-D element offers to the reduction.
struct BedFormElement {
    int index = 0;          // element index (for the grain size)
    double c = 0.0;         // velocity coefficient of the element
    double h = 0.0;         // flow depth [m]
    double slopeX = 0.0;    // bed slope components
    double slopeY = 0.0;
};

class BedFormsReductionFactor {
public:
    virtual ~BedFormsReductionFactor() = default;
    virtual double getFactor2D(const BedFormElement& element) const = 0;
    // c and h of a cross section, s its index.
    virtual double getFactor1D(double c, double h, int s) const = 0;
    virtual bool needsGrainSize() const { return false; }
};

}  // namespace Flumaris
