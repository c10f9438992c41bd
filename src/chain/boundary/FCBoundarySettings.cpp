#include "chain/boundary/FCBoundarySettings.h"

#include <fmt/format.h>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputTagFile.h"
#include "input/schema/InputWords.h"
#include "physics/series/BoundarySerie.h"

namespace FlumChain {

using Flumaris::fatal;

namespace {

constexpr const char* kCoupledPrefix = "coupling_";

SeriesValue seriesValue(const FLUMparse::InputBlock& b, const char* value, const char* file) {
    if (b.isSet(value)) return SeriesValue(b.getTag(value).asDouble());
    if (b.isSet(file))
        return SeriesValue(std::make_shared<const Flumaris::BoundarySerie>(
            FLUMparse::resolveInputPath(b.getTag(file).asString())));
    return {};
}

}  // namespace

double SeriesValue::at(double t) const { return serie_ ? serie_->getValue(t) : constant_; }

BoundarySettings BoundarySettings::fromBoundaryBlock(const FLUMparse::InputBlock& b) {
    BoundarySettings s;
    s.name = b.getTag("name").asString();
    const std::string type = b.getTag("type").asString();
    s.coupled = type.starts_with(kCoupledPrefix);
    s.type = s.coupled ? type.substr(std::char_traits<char>::length(kCoupledPrefix)) : type;
    s.end = b.getTag("string").asString() == "upstream" ? End::Upstream : End::Downstream;
    if (b.isSet("file")) s.file = FLUMparse::resolveInputPath(b.getTag("file").asString());
    if (!s.file.empty() && !s.coupled && (s.type == "hydrograph" || s.type == "zhydrograph"))
        s.serie = std::make_shared<const Flumaris::BoundarySerie>(s.file);
    s.precision = b.getTag("precision").asDouble();
    s.iterations = b.getTag("number_of_iterations").asInt();
    s.level = seriesValue(b, "level", "level_file");
    s.width = seriesValue(b, "width", "width_file");
    s.gateElevation = seriesValue(b, "gate_elevation", "gate_file");
    s.embankmentSlope = b.getTag("embankement_slope").asDouble();
    s.poleni = b.getTag("poleni_factor").asDouble();
    s.contraction = b.getTag("contraction_factor").asDouble();
    if (b.isSet("slope")) {
        const double perMill = b.getTag("slope").asDouble();
        if (perMill < 1.0)
            Flumaris::report(3, fmt::format("The slope you defined ({}) is very small. Please note that you have to "
                                            "supply per mil values. E.g. a slope of 5% would correspond to 50!",
                                            perMill));
        s.slope = perMill / 1000.0;
    }
    s.relaxationTau = b.getTag("zhyd_relaxation_tau").asDouble();
    if (b.isSet("max_momentum_flux")) s.maxMomentumFlux = b.getTag("max_momentum_flux").asDouble();

    if (s.type == "weir" && !s.level.given())
        fatal("There is neither a level, nor a level_file nor a controller defining the weir level.");
    if ((s.type == "weir" || s.type == "gate") && !s.width.given())
        fatal("Boundary condition '" + s.name +
              "' needs either a 'width' for constant width or a 'file' containing varying width in time.");
    if (s.type == "hqrelation" && s.slope < 0.0 && s.file.empty())
        fatal("Boundary condition 'hqrelation' needs either slope or a file");
    if (s.type == "hydrograph" && s.slope < 0.0)
        fatal("Tag 'slope' is mandatory for boundary conditions of type 'hydrograph' and 'hydrograph_coupling'");
    if (s.type == "hydrograph" && s.coupled && s.end == End::Downstream)
        fatal("There is an attempt to couple to a Hydrograph as a downstream boundary. This is nonsense.");
    if (s.type == "wall" && s.coupled) fatal("coupling a wall using an interface is nonsense!");
    if (s.type == "zhydrograph" && !s.coupled && !s.serie)
        fatal("The zhydograph must have an input serie.\nProgram cannot continue.");
    return s;
}

InnerSettings InnerSettings::fromBlock(const FLUMparse::InputBlock& b) {
    InnerSettings s;
    const std::string type = b.getTag("type").asString();
    s.coupled = type.starts_with(kCoupledPrefix);
    s.type = s.coupled ? type.substr(std::char_traits<char>::length(kCoupledPrefix)) : type;
    if (b.isSet("name")) s.name = b.getTag("name").asString();
    s.section1 = b.getTag("cross_section_name_1").asString();
    s.section2 = b.getTag("cross_section_name_2").asString();
    s.my = b.getTag("my").asDouble();
    s.level = seriesValue(b, "level", "level_file");
    s.width = seriesValue(b, "width", "width_file");
    s.gateElevation = seriesValue(b, "gate_elevation", "gate_file");
    s.embankmentSlope = b.getTag("embankement_slope").asDouble();
    if (!s.width.given()) fatal("there is no weir width or width time series for the weir");
    if (!s.level.given()) fatal("there is no weir level or level time series for the weir");
    return s;
}

}  // namespace FlumChain
