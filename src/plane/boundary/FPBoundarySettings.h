#pragma once
// The keys of one BOUNDARY or INNER_BOUNDARY block as plain values.
#include <string>

namespace FlumPlane {

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
    bool areaWeighting = false;   // weighting_type = area
    bool wallFlux = false;
    bool inflowPossible = true;
    bool zeroVelocity = false;
    double precision = -1.0;      // negative: 0.1 x minimum_water_depth
    bool localWse = false;        // wse_calc_method = local
    bool edgeConveyance = false;  // conveyance_type = edge
    double momentumFactor = 1.0;
};

}  // namespace FlumPlane
