#pragma once
// The sediment description of one morphology subdomain: grain classes in
// ascending diameter [m], densities, porosity, angle of repose, the bed-load
// formula's constants and the factor that turns a diameter into the
// dimensionless grain size D* = d ((s-1) g / nu^2)^(1/3).
#include <vector>

#include "physics/sediment/GrainClass.h"
#include "physics/sediment/MorphologySettings.h"
#include "physics/sediment/bedload/BedloadSettings.h"

namespace Flumaris {

// Gravity [m/s2], kinematic viscosity [m2/s] and fluid density [kg/m3].
struct FluidProperties {
    double g = 9.81;
    double nu = 1.0e-6;
    double rho = 1000.0;
    // The values of the process settings (PHYSICAL_PROPERTIES).
    static FluidProperties fromProgramSettings();
};

class SedParameters {
public:
    // diameters in metres. Wrong grain sizes stop the run; an uncommon density or
    // porosity asks for confirmation.
    SedParameters(const std::vector<double>& diameters, const MorphologySettings& morphology,
                  const BedloadSettings& bedload, const FluidProperties& fluid);

    int getNumGrainClasses() const { return static_cast<int>(grains_.size()); }
    const GrainClass& grainClass(int k) const { return grains_[static_cast<size_t>(k)]; }
    double diameter(int k) const { return grains_[static_cast<size_t>(k)].diameter(); }

    const FluidProperties& fluid() const { return fluid_; }
    double g() const { return fluid_.g; }
    double sqrtG() const { return sqrtG_; }
    double nu() const { return fluid_.nu; }
    double rho() const { return fluid_.rho; }
    double rhoS() const { return rhoS_; }
    double s() const { return s_; }
    double sMinus1() const { return sMinus1_; }
    double porosity() const { return porosity_; }
    double onePorosity() const { return 1.0 - porosity_; }
    double reposeAngleDeg() const { return reposeDeg_; }
    double reposeAngle() const { return reposeRad_; }
    double tanRepose() const { return tanRepose_; }
    double sinRepose() const { return sinRepose_; }
    double d90() const { return d90_; }
    double d30() const { return d30_; }
    // d90/d30 of the bed material; -1 unless both are positive.
    double d90d30Ratio() const { return ratio9030_; }
    double alpha() const { return alpha_; }
    double bedloadFactor() const { return bedloadFactor_; }
    double powerLawA() const { return powerA_; }
    double powerLawB() const { return powerB_; }
    double minThetaCritic() const { return minThetaCritic_; }
    // The user's hiding exponent, or `formulaDefault` when none was given.
    double hidingExponent(double formulaDefault) const { return hasHiding_ ? hiding_ : formulaDefault; }
    const MorphologySettings& morphology() const { return morphology_; }
    const BedloadSettings& bedload() const { return bedload_; }

    // D* of diameter d [m].
    double dStar(double d) const { return d * dStarFactor_; }
    double dStarFactor() const { return dStarFactor_; }

private:
    std::vector<GrainClass> grains_;
    MorphologySettings morphology_;
    BedloadSettings bedload_;
    FluidProperties fluid_;
    double sqrtG_;
    double rhoS_;
    double s_;
    double sMinus1_;
    double porosity_;
    double reposeDeg_;
    double reposeRad_;
    double tanRepose_;
    double sinRepose_;
    double d90_;
    double d30_;
    double ratio9030_;
    double alpha_;
    double bedloadFactor_;
    double powerA_;
    double powerB_;
    double minThetaCritic_;
    bool hasHiding_;
    double hiding_;
    double dStarFactor_;
};

}  // namespace Flumaris
