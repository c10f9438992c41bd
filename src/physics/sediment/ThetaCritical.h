#pragma once
// Critical Shields parameter per grain class. Without a user constant, from
// the Shields curve in van Rijn's (1984) fit, times the calibration factor:
//   D* <= 4: 0.24/D*       4 < D* <= 10: 0.14 D*^-0.64     10 < D* <= 20: 0.04 D*^-0.1
//   20 < D* <= 150: 0.013 D*^0.29                          D* > 150: 0.055
// A user constant (everywhere, or per material index) or a formula's own
// constant (Wu 0.03, Parker 0.0386) replaces the curve for the whole run.
#include <map>
#include <span>
#include <vector>

#include "physics/sediment/SedParameters.h"

namespace Flumaris {

class ThetaCritical {
public:
    // The curve value for dimensionless grain size D* (no calibration).
    static double shields(double dStar);

    // formulaDefault: the formula's constant when the user gives none; NaN for the curve.
    ThetaCritical(const SedParameters& params, double formulaDefault);

    bool isConstant() const { return constant_; }
    double calibration() const { return calibration_; }
    // calibration * shields(D*(d)), for diameters that change at run time (mixture means).
    double fromCurve(double d) const { return calibration_ * shields(params_->dStar(d)); }
    // theta_cr of every class where the material index is `material` (file order of the
    // classes); indices without a value of their own use the global values.
    std::span<const double> classValues(int material) const;
    double value(int k) const { return global_[static_cast<size_t>(k)]; }

private:
    const SedParameters* params_;
    double calibration_;
    bool constant_ = false;
    std::vector<double> global_;
    std::map<int, std::vector<double>> perMaterial_;
};

}  // namespace Flumaris
