#include "input/blocks/IRcoupling.h"

#include "input/blocks/IRcouplingsub.h"

namespace FLUMparse {

IRcoupling::IRcoupling() : InputBlock("COUPLING") {
    setDescription(
        "One coupling of subdomains by region name. sequential passes the outflow of upstream_subdomain to the "
        "inflow of downstream_subdomain (two_way_coupling also returns the downstream water level for backwater); "
        "junction joins two upstream subdomains into one downstream, bifurcation splits one by "
        "factor_bifurcation; riemann and confluence_wse join 1-D chains by a Riemann solver or a common water "
        "level; external connects a subdomain to another program. "
        "The sub-blocks HYDRAULICS, BEDLOAD, SUSPENSION and SUBSURFACE name the coupling_ boundaries (by their "
        "name key) that exchange each quantity. "
        "Not computed by this version: a command file with a COUPLING or COUPLING_LATERAL block stops with a "
        "message; run the subdomains in separate command files for now.");
    setExample("COUPLING {\n"
        "   type = sequential\n"
        "   upstream_subdomain = upper_reach\n"
        "   downstream_subdomain = lower_reach\n"
        "   two_way_coupling = yes\n"
        "   check = yes\n"
        "   average_steps = 2\n"
        "   print_series = yes\n"
        "   HYDRAULICS {\n"
        "      upstream_interface = upper_outlet\n"
        "      downstream_interface = lower_inlet\n"
        "   }\n"
        "}");
}

void IRcoupling::declare() {
    addString("type", "Coupling type: sequential, junction (two into one), bifurcation (one into two), riemann or confluence_wse (1-D chains only), or external (another program).").setMandatory().setRestrictedValues({"sequential", "junction", "bifurcation", "riemann", "confluence_wse", "external"});
    addString("upstream_subdomain", "region_name of the upstream subdomain.");
    addString("downstream_subdomain", "region_name of the downstream subdomain.");
    addBool("two_way_coupling", "Also pass the downstream water level back upstream, so that backwater reaches the upstream subdomain.").setDefault("no");
    addInt("average_steps", "Sub-steps between two-way exchanges; the exchanged values are averaged over them.").setDefault("1");
    addBool("print_series", "Write the exchanged discharges and water levels over time to a file.").setDefault("no");
    addString("upstream_subdomain1", "region_name of the first upstream subdomain of a junction or confluence.");
    addString("upstream_subdomain2", "region_name of the second upstream subdomain of a junction or confluence.");
    addString("downstream_subdomain1", "region_name of the downstream subdomain that receives factor_bifurcation of the discharge.");
    addString("downstream_subdomain2", "region_name of the downstream subdomain that receives the rest of the discharge.");
    addReal("factor_bifurcation", "Share of the discharge that goes to the first downstream region.").setDefault("0.5").setRange(0.0, 1.0);
    addReal("momentum_factor_up", "Factor on the momentum flux that the Riemann coupling passes to the upstream chain.").setDefault("1.0");
    addReal("momentum_factor_down", "Factor on the momentum flux that the Riemann coupling passes to the downstream chain.").setDefault("1.0");
    addReal("espilon", "Convergence tolerance of the Riemann coupling's iteration.").setDefault("1E-6");
    addString("external_subdomain", "region_name of the FLUM_EXTERN subdomain.");
    addString("flumaris_subdomain", "region_name of the subdomain of this program that exchanges with the external one.");
    addInt("iter_exchange", "Number of exchanges with the external program per time step.").setDefault("1").setUnits("[-]");
    addReal("tau", "Time scale with which the subdomains of a confluence_wse coupling are driven towards the common water level.").setDefault("10").setUnits("[s]");
    addString("check", "Check the time consistency of the two subdomains of a two-way coupling at every exchange.").setDefault("yes").setRestrictedValues({"yes", "no"});
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
