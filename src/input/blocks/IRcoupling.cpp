#include "input/blocks/IRcoupling.h"

#include "input/blocks/IRcouplingsub.h"

namespace FLUMparse {

IRcoupling::IRcoupling() : InputBlock("COUPLING") {
    setDescription("One coupling of subdomains by region name.");
    setExample("COUPLING {\n"
        "   type = sequential\n"
        "   upstream_subdomain = river\n"
        "   downstream_subdomain = lake\n"
        "   HYDRAULICS {\n"
        "      upstream_interface = outflow\n"
        "      downstream_interface = inflow\n"
        "   }\n"
        "}");
}

void IRcoupling::declare() {
    addString("type", "Coupling type.").setMandatory().setRestrictedValues({"sequential", "junction", "bifurcation", "riemann", "confluence_wse", "external"});
    addString("upstream_subdomain", "Upstream region name.");
    addString("downstream_subdomain", "Downstream region name.");
    addBool("two_way_coupling", "Exchange in both directions.").setDefault("no");
    addInt("average_steps", "Number of steps the exchanged values are averaged over.").setDefault("1");
    addBool("print_series", "Write the exchanged values to a file.").setDefault("no");
    addString("upstream_subdomain1", "First upstream region.");
    addString("upstream_subdomain2", "Second upstream region.");
    addString("downstream_subdomain1", "First downstream region.");
    addString("downstream_subdomain2", "Second downstream region.");
    addReal("factor_bifurcation", "Share of the discharge that goes to the first downstream region.").setDefault("0.5").setRange(0.0, 1.0);
    addReal("momentum_factor_up", "Momentum factor upstream.").setDefault("1.0");
    addReal("momentum_factor_down", "Momentum factor downstream.").setDefault("1.0");
    addReal("espilon", "Tolerance of the Riemann coupling.").setDefault("1E-6");
    addString("external_subdomain", "Region name of the external subdomain.");
    addString("flumaris_subdomain", "Name of the subdomain of this program.");
    addInt("iter_exchange", "Exchanges per step.").setDefault("1").setUnits("[-]");
    addReal("tau", "Relaxation time.").setDefault("10").setUnits("[s]");
    addString("check", "Check the two-way exchange.").setDefault("yes").setRestrictedValues({"yes", "no"});
    addRequiredIf({"upstream_subdomain"}, "type", {"sequential", "bifurcation", "riemann"});
    addRequiredIf({"downstream_subdomain"}, "type", {"sequential", "junction", "riemann", "confluence_wse"});
    addUsedIf({"two_way_coupling"}, "type", {"sequential", "junction", "split"});
    addRequiredIf({"upstream_subdomain1", "upstream_subdomain2"}, "type", {"junction", "confluence_wse"});
    addRequiredIf({"downstream_subdomain1", "downstream_subdomain2", "factor_bifurcation"}, "type", {"bifurcation"});
    addRequiredIf({"momentum_factor_up", "momentum_factor_down", "espilon"}, "type", {"riemann"});
    addRequiredIf({"external_subdomain", "flumaris_subdomain", "iter_exchange"}, "type", {"external"});
    addUsedIf({"tau"}, "type", {"confluence_wse"});
    addRequiredIf({"check"}, "two_way_coupling", {"yes"});
    addBlock<IRcouplingsub>(Optional, Single, "HYDRAULICS");
    addBlock<IRcouplingsub>(Optional, Single, "BEDLOAD");
    addBlock<IRcouplingsub>(Optional, Single, "SUSPENSION");
    addBlock<IRcouplingsub>(Optional, Single, "SUBSURFACE");
}

}  // namespace FLUMparse
