#include "input/blocks/IRturbulence2d.h"

namespace FLUMparse {

IRturbulence2d::IRturbulence2d() : InputBlock("TURBULENCE_MODEL") {
    setDescription(
        "Turbulence model of the 2-D subdomain: adds horizontal diffusion of momentum with an eddy viscosity, "
        "which smooths velocity gradients at recirculation zones, groynes and bridge piers. "
        "The algebraic model computes the eddy viscosity per element from depth and shear velocity (scaled by "
        "turbulence_factor), unless const_eddy_viscosity gives a fixed value. "
        "Without this block no turbulent diffusion is computed, which is adequate for most flood studies.");
    setExample("TURBULENCE_MODEL {\n"
        "   type = algebraic\n"
        "   turbulence_factor = 1.0\n"
        "   kinematic_viscosity = 1.307e-6\n"
        "   boundary_gradient = zerogradient\n"
        "}");
}

void IRturbulence2d::declare() {
    addString("type", "Turbulence model; algebraic is available.").setMandatory().setRestrictedValues({"algebraic"});
    addReal("kinematic_viscosity", "Kinematic (molecular) viscosity of water, added to the eddy viscosity.").setDefault("0.000001307").setMin(0.0).setUnits("[m2/s]");
    addReal("const_eddy_viscosity", "Fixed eddy viscosity for all elements; negative: computed per element from depth and shear velocity.")
        .setDefault("-1").setUnits("[m2/s]");
    addReal("turbulence_factor", "Factor on the algebraic eddy viscosity (kappa/6 x shear velocity x depth), for calibration.").setDefault("1").setMin(0.0);
    addString("boundary_gradient", "Velocity assumed outside boundary elements: the element's own (zerogradient) or zero (zerovelocity, like a rough wall).")
        .setDefault("zerogradient").setRestrictedValues({"zerogradient", "zerovelocity"});
}

}  // namespace FLUMparse
