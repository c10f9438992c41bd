#pragma once
// Where the bed-form reduction reads the d90 of the bed material. The sediment
// code implements it; the resistance laws do not depend on how it is stored.
namespace Flumaris {

class GrainSizeSource {
public:
    virtual ~GrainSizeSource() = default;
    // d90 [m] of the bed material of 2-D element e.
    virtual double d90OfElement(int e) const = 0;
    // Width-weighted mean d90 [m] over the slices of 1-D cross section s that
    // carry bed material; 0 when their total width is not above 1e-15.
    virtual double d90OfSection(int s) const = 0;
};

}  // namespace Flumaris
