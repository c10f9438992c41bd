#pragma once
// A BOUNDARY or INNER_BOUNDARY block of the chain, read once; the schema
// default is the only default. The checks the schema cannot make stop here
// with their messages.
#include <limits>
#include <memory>
#include <string>

#include "chain/boundary/FCBoundary.h"

namespace FLUMparse {
class InputBlock;
}
namespace Flumaris {
class BoundarySerie;
}

namespace FlumChain {

// A value given as a constant or as a series over time.
class SeriesValue {
public:
    SeriesValue() = default;
    explicit SeriesValue(double v) : constant_(v), given_(true) {}
    explicit SeriesValue(std::shared_ptr<const Flumaris::BoundarySerie> s) : serie_(std::move(s)), given_(true) {}
    bool given() const { return given_; }
    double at(double t) const;

private:
    double constant_ = 0.0;
    std::shared_ptr<const Flumaris::BoundarySerie> serie_;
    bool given_ = false;
};

struct BoundarySettings {
    std::string name;
    std::string type;  // without the coupling_ prefix
    bool coupled = false;
    End end = End::Upstream;
    std::string file;  // resolved path; empty: none
    // The time series of file (hydrograph, zhydrograph), read once.
    std::shared_ptr<const Flumaris::BoundarySerie> serie;
    double precision = 0.0;
    int iterations = 0;
    SeriesValue level, width, gateElevation;
    double embankmentSlope = 999.0;
    double poleni = 0.0;
    double contraction = 0.0;
    double slope = -1.0;  // [-] (the key is per mill); negative: none
    double relaxationTau = 0.0;
    double maxMomentumFlux = std::numeric_limits<double>::infinity();

    static BoundarySettings fromBoundaryBlock(const FLUMparse::InputBlock& b);
};

struct InnerSettings {
    std::string name;
    std::string type;  // weir or gate
    bool coupled = false;
    std::string section1, section2;
    double my = 0.0;
    SeriesValue level, width, gateElevation;
    double embankmentSlope = 999.0;

    static InnerSettings fromBlock(const FLUMparse::InputBlock& b);
};

}  // namespace FlumChain
