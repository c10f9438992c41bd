#include "input/blocks/IRphysprop.h"

#include "core/Flumaris.h"

namespace FLUMparse {

IRphysprop::IRphysprop() : InputBlock("PHYSICAL_PROPERTIES") {
    setDescription(
        "Physical constants of the fluid for all subdomains. "
        "Keys that are not given keep the program's defaults (gravity 9.81 m/s2, kinematic viscosity 1.0e-6 m2/s, "
        "density 1000 kg/m3), so the block is only needed for scaled laboratory models, other fluids or water at "
        "a temperature far from 20 degrees. "
        "The density enters the bed shear stress of the outputs and the sediment closures, the viscosity the "
        "sediment closures (settling velocity, grain Reynolds number); the turbulence model has its own "
        "kinematic_viscosity.");
    setExample("PHYSICAL_PROPERTIES {\n"
        "   gravity = 9.81\n"
        "   viscosity = 1.3e-6\n"
        "   rho_fluid = 999.7\n"
        "}");
}

void IRphysprop::declare() {
    addReal("gravity", "Acceleration due to gravity.").setUnits("[m/s2]").setDefault("9.81").setMin(0.0);
    addReal("viscosity", "Kinematic viscosity of the fluid.").setUnits("[m2/s]").setDefault("1.0e-6").setMin(0.0);
    addReal("rho_fluid", "Density of the fluid.").setUnits("[kg/m3]").setDefault("1000.0").setMin(0.0);
}

void applyPhysicalProperties(const InputBlock& root) {
    const InputBlock* domain = root.getChild("DOMAIN");
    const InputBlock* pp = domain ? domain->getChild("PHYSICAL_PROPERTIES") : nullptr;
    if (!pp) return;
    auto& s = Flumaris::settings();
    if (pp->isSet("gravity")) s.setGravity(pp->getTag("gravity").asDouble());
    if (pp->isSet("viscosity")) s.kinematicViscosity_ = pp->getTag("viscosity").asDouble();
    if (pp->isSet("rho_fluid")) s.waterDensity_ = pp->getTag("rho_fluid").asDouble();
}

}  // namespace FLUMparse
