#include "input/blocks/IRturbulence2d.h"

namespace FLUMparse {

IRturbulence2d::IRturbulence2d() : InputBlock("TURBULENCE_MODEL") {
    setDescription("Turbulence model of the 2-D subdomain.");
    setExample("TURBULENCE_MODEL {\n"
        "   type = algebraic\n"
        "   turbulence_factor = 1\n"
        "}");
}

void IRturbulence2d::declare() {
    addString("type", "Turbulence model; algebraic is available.").setMandatory().setRestrictedValues({"algebraic"});
    addReal("kinematic_viscosity", "Kinematic viscosity of water.").setDefault("0.000001307").setMin(0.0).setUnits("[m2/s]");
    addReal("const_eddy_viscosity", "Constant eddy viscosity; negative: from depth and shear velocity.")
        .setDefault("-1").setUnits("[m2/s]");
    addReal("turbulence_factor", "Factor of the algebraic eddy viscosity.").setDefault("1").setMin(0.0);
    addString("boundary_gradient", "Velocity outside boundary elements: zerogradient or zerovelocity.")
        .setDefault("zerogradient").setRestrictedValues({"zerogradient", "zerovelocity"});
}

}  // namespace FLUMparse
