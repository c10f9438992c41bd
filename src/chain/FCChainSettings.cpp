#include "chain/FCChainSettings.h"

#include <fmt/format.h>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputWords.h"

namespace FlumChain {

using Flumaris::fatal;

GeometrySettings GeometrySettings::fromBlock(const FLUMparse::InputBlock& geometry) {
    const std::string type = geometry.getTag("type").asString();
    if (type == "floris" || type == "hecras")
        fatal("The grid format '" + type +
              "' is deprecated and is not supported any more. Please convert your projects to the 'flumaris' format.");
    if (type != "flumaris") fatal(type + " is an unknown format. The only input format is 'flumaris'.");
    GeometrySettings s;
    s.file = FLUMparse::resolveInputPath(geometry.getTag("file").asString());
    s.order = geometry.getTag("cross_section_order").asStringList();
    s.dump = geometry.getTag("dump_crosssections").asBool();
    return s;
}

FrictionSettings FrictionSettings::fromHydraulics(const FLUMparse::InputBlock& hydraulics) {
    const FLUMparse::InputBlock* fr = hydraulics.getChild("FRICTION");
    if (!fr)
        fatal("There seems to be no friction block defined, but a friction block is obligatory.\nPlease define a "
              "friction block and restart the program.");
    FrictionSettings s;
    s.law.type = "strickler";
    s.grainFriction = fr->getTag("grain_size_friction").asBool();
    s.law.grainFriction = s.grainFriction;
    s.law.stricklerFactor = fr->getTag("strickler_factor").asDouble();
    s.law.roughnessFactor = fr->getTag("roughness_factor").asDouble();
    if (fr->isSet("default_friction")) {
        const double v = fr->getTag("default_friction").asDouble();
        s.defaultFriction = fr->getTag("type").asString() == "manning" ? 1.0 / v : v;
    }
    return s;
}

Flumaris::SectionComputation sectionComputationFromHydraulics(const FLUMparse::InputBlock& hydraulics) {
    static constexpr std::pair<const char*, Flumaris::SectionMode> kModes[] = {
        {"table", Flumaris::SectionMode::Table},
        {"iteration", Flumaris::SectionMode::Iteration},
    };
    const FLUMparse::InputBlock& param = hydraulics.childOrDefaults("PARAMETER");
    const FLUMparse::InputBlock* sc = param.getChild("SECTION_COMPUTATION");
    if (!sc)
        fatal("SECTION_COMPUTATION block has not been defined.\nThe 'flumaris' geometry needs it in "
              "HYDRAULICS/PARAMETER of the FLUMCHAIN_1D block. Please correct the command file.");
    Flumaris::SectionComputation c;
    c.mode = FLUMparse::wordToEnum(sc->getTag("type"), kModes);
    c.internalLevees = sc->getTag("internal_levees").asBool();
    c.precision = sc->getTag("precision").asDouble();
    c.minInterval = sc->getTag("min_interval").asDouble();
    c.maxInterval = sc->getTag("max_interval").asDouble();
    if (!(c.maxInterval > c.minInterval))
        fatal(fmt::format("The condition 'max_interval' ( = {}) > 'min_interval' ( = {}) fails!", c.maxInterval,
                          c.minInterval));
    c.minWaterDepth = param.getTag("minimum_water_depth").asDouble();
    c.maxIterations = kLevelIterations;
    return c;
}

SolverSettings SolverSettings::fromBlocks(const FLUMparse::InputBlock& hydraulics,
                                          const FLUMparse::InputBlock& timestep) {
    static constexpr std::pair<const char*, RiemannSolver> kSolvers[] = {{"roe", RiemannSolver::Roe},
                                                                         {"upwind", RiemannSolver::Upwind}};
    static constexpr std::pair<const char*, Scheme> kSchemes[] = {{"explicit", Scheme::Explicit},
                                                                  {"implicit", Scheme::Implicit}};
    const FLUMparse::InputBlock& p = hydraulics.childOrDefaults("PARAMETER");
    SolverSettings s;
    s.hmin = p.getTag("minimum_water_depth").asDouble();
    s.stretchBoundary = p.getTag("stretch_boundary_elem").asBool();
    s.riemann = FLUMparse::wordToEnum(p.getTag("riemann_solver"), kSolvers);
    s.scheme = FLUMparse::wordToEnum(p.getTag("simulation_scheme"), kSchemes);
    s.theta = p.getTag("theta").asDouble();
    s.truncationArea = p.getTag("truncation_interval_area").asDouble();
    s.truncationDischarge = p.getTag("truncation_interval_discharge").asDouble();
    s.iterationNumber = p.getTag("iteration_number").asInt();
    s.tryLimit = p.getTag("try_limit").asInt();
    s.timeStepReduction = p.getTag("time_step_reduction").asDouble();
    s.cfl = timestep.getTag("CFL").asDouble();
    s.maxTimeStep = timestep.getTag("maximum_time_step").asDouble();
    s.initialTimeStep = timestep.getTag("initial_time_step").asDouble();
    return s;
}

InitialSettings InitialSettings::fromHydraulics(const FLUMparse::InputBlock& hydraulics) {
    static constexpr std::pair<const char*, InitialKind> kKinds[] = {
        {"dry", InitialKind::Dry}, {"continue", InitialKind::Continue}, {"backwater", InitialKind::Backwater}};
    const FLUMparse::InputBlock& b = hydraulics.childOrDefaults("INITIAL");
    InitialSettings s;
    const std::string type = b.getTag("type").asString();
    bool known = false;
    for (const auto& k : kKinds) known = known || type == k.first;
    if (!known) fatal("Unknwon type of initial condition.\nProgram cannot continue!");
    s.kind = FLUMparse::wordToEnum(b.getTag("type"), kKinds);
    if (b.isSet("file")) s.file = FLUMparse::resolveInputPath(b.getTag("file").asString());
    if (b.isSet("q_out")) s.qOut = b.getTag("q_out").asDouble();
    if (b.isSet("WSE_out")) s.wseOut = b.getTag("WSE_out").asDouble();
    return s;
}

}  // namespace FlumChain
