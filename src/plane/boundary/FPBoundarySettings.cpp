#include "plane/boundary/FPBoundarySettings.h"

#include "input/schema/InputBlock.h"
#include "input/schema/InputTagFile.h"
#include "input/schema/InputWords.h"

namespace FlumPlane {

namespace {

using FLUMparse::InputBlock;

std::string fileOf(const InputBlock& b, const char* key) {
    return b.isSet(key) ? FLUMparse::resolveInputPath(b.getTag(key).asString()) : std::string{};
}

void readCommon(const InputBlock& b, const char* stringKey, BoundarySettings& s) {
    s.type = b.getTag("type").asString();
    s.stringName = b.getTag(stringKey).asString();
    s.name = b.isSet("name") ? b.getTag("name").asString() : s.stringName;
    s.file = fileOf(b, "file");
    s.my = b.getTag("my").asDouble();
}

}  // namespace

BoundarySettings BoundarySettings::fromBoundaryBlock(const InputBlock& b) {
    static constexpr std::pair<const char*, WseMethod> kWse[] = {{"average", WseMethod::Average},
                                                                 {"local", WseMethod::Local}};
    static constexpr std::pair<const char*, ConveyanceSource> kConveyance[] = {{"tables", ConveyanceSource::Tables},
                                                                               {"edge", ConveyanceSource::Edge}};
    static constexpr std::pair<const char*, DischargeWeighting> kWeighting[] = {
        {"conveyance", DischargeWeighting::Conveyance}, {"area", DischargeWeighting::Area}};
    BoundarySettings s;
    readCommon(b, "string_name", s);
    if (b.isSet("slope")) s.slope = b.getTag("slope").asDouble();
    s.maxInterval = b.getTag("max_interval").asDouble();
    s.iterations = b.getTag("number_of_iterations").asInt();
    s.weighting = FLUMparse::wordToEnum(b.getTag("weighting_type"), kWeighting);
    s.wallFlux = b.getTag("wall_flux").asBool();
    s.inflowPossible = b.getTag("inflow_possible").asBool();
    s.zeroVelocity = b.getTag("zero_velocity").asBool();
    s.precision = b.getTag("precision").asDouble();
    s.wse = FLUMparse::wordToEnum(b.getTag("wse_calc_method"), kWse);
    s.conveyance = FLUMparse::wordToEnum(b.getTag("conveyance_type"), kConveyance);
    return s;
}

BoundarySettings BoundarySettings::fromInnerBlock(const InputBlock& b) {
    BoundarySettings s;
    readCommon(b, "string_name1", s);
    s.stringName2 = b.getTag("string_name2").asString();
    s.momentumFactor = b.getTag("momentum_factor").asDouble();
    return s;
}

}  // namespace FlumPlane
