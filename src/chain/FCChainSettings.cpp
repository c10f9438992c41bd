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

}  // namespace FlumChain
