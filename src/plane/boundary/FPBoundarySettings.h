#pragma once
// The keys of one BOUNDARY or INNER_BOUNDARY block as plain values, read once;
// the schema's defaults are the only defaults.
#include <string>

namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {

enum class WseMethod { Average, Local };             // wse_calc_method
enum class ConveyanceSource { Tables, Edge };         // conveyance_type
enum class DischargeWeighting { Conveyance, Area };   // weighting_type

struct BoundarySettings {
    std::string name;             // name, else the string name
    std::string type;
    std::string stringName;       // string_name, or string_name1 of an inner boundary
    std::string stringName2;      // inner boundaries
    std::string file;             // resolved path; empty when not given
    double my = -1.0;             // negative: from the flow
    double slope = -1.0;          // per mill; negative: not given
    double maxInterval = 20.0;    // [m]
    int iterations = 5000;
    DischargeWeighting weighting = DischargeWeighting::Conveyance;
    bool wallFlux = false;
    bool inflowPossible = true;
    bool zeroVelocity = false;
    double precision = -1.0;      // negative: 0.1 x minimum_water_depth
    WseMethod wse = WseMethod::Average;
    ConveyanceSource conveyance = ConveyanceSource::Tables;
    double momentumFactor = 1.0;

    static BoundarySettings fromBoundaryBlock(const FLUMparse::InputBlock& b);
    static BoundarySettings fromInnerBlock(const FLUMparse::InputBlock& b);
};

}  // namespace FlumPlane
