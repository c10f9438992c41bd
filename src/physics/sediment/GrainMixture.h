#pragma once
// Volume fractions p_k (decimals, summing to 1) of the grain classes of one
// SedParameters, and the characteristic diameters [m] of that mixture:
//   dm = sum p_k d_k                                 mean diameter
//   dg = 2^(sum p_k log2 d_k)                        geometric mean
//   sigma = sqrt(sum p_k (ln(d_k/dg)/ln 2)^2)        geometric standard deviation (in phi units)
//   d_X: linear between the two classes whose cumulative fractions enclose X
// The queries allocate nothing, so they may run per element inside the loops.
#include <span>
#include <vector>

namespace Flumaris {

class SedParameters;

class GrainMixture {
public:
    // fractions: one per grain class of params, decimals.
    GrainMixture(const SedParameters& params, std::vector<double> fractions);

    const SedParameters& parameters() const { return *params_; }
    std::span<const double> fractions() const { return fractions_; }
    double fraction(int k) const { return fractions_[static_cast<size_t>(k)]; }
    void setFraction(int k, double p) { fractions_[static_cast<size_t>(k)] = p; }

    double meanDiameter() const;
    double geometricMeanDiameter() const;
    double geometricStdDeviation() const;
    // Diameter at cumulative fraction x (0..1), e.g. 0.9 for d90.
    double diameterAt(double x) const;

private:
    const SedParameters* params_;
    std::vector<double> fractions_;
};

}  // namespace Flumaris
