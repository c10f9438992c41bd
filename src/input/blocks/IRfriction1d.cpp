#include "input/blocks/IRfriction1d.h"

namespace FLUMparse {

IRfriction1d::IRfriction1d() : InputBlock("FRICTION") {
    setDescription("Flow resistance of the 1-D subdomain: the law that turns the friction values of the cross-section slices into conveyance. The values themselves stand in the geometry file (per section and range); default_friction fills the slices without one.");
    setExample(
        "FRICTION {\n"
        "   type = strickler\n"
        "   default_friction = 30\n"
        "   grain_size_friction = no\n"
        "}");
}

void IRfriction1d::declare() {
    addString("type", "Friction law; friction values are Strickler values (k_str = 1/n_manning).").setRestrictedValues({"strickler", "manning"}).setMandatory();
    addReal("default_friction", "Friction value of the slices without one in the geometry file: a Strickler value, or a Manning n with type = manning.").setMin(0.0, false).setUnits("[m^(1/3)/s] or [s/m^(1/3)]");
    addBool("grain_size_friction", "Friction from the grain size of the bed material.").setDefault("no");
    addReal("strickler_factor", "k_strickler = strickler_factor / (d90)^(1/6), d90 in m.").setDefault("21.1");
    addReal("roughness_factor", "ks = roughness_factor * d90.").setDefault("3.0");
}

}  // namespace FLUMparse
