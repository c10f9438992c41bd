#pragma once
// A 2-D MORPHOLOGY block parsed from text, and the sediment objects built from
// it the way the morphology will build them.
#include <cmath>
#include <memory>
#include <string>

#include "input/blocks/FlumarisInputRoot.h"
#include "input/syntax/InputParser.h"
#include "physics/sediment/SedParameters.h"
#include "physics/sediment/SedimentSettings.h"
#include "physics/sediment/ThetaCritical.h"
#include "physics/sediment/bedload/TransportCapacity.h"
#include "physics/sediment/bedload/TransportFactory.h"

namespace sedtest {

using namespace Flumaris;

constexpr double kG = 9.81;

// The command file around the inner lines of a 2-D MORPHOLOGY block.
inline std::string commandFile2d(const std::string& morphology)
{
    return "DOMAIN {\n FLUMPLANE_2D {\n  region_name = plane\n  MORPHOLOGY {\n" + morphology + "\n  }\n }\n}\n";
}

inline std::string morphology(const std::string& diametersMm, const std::string& bedloadKeys)
{
    return "BEDMATERIAL {\n GRAIN_CLASS {\n diameters = " + diametersMm +
           "\n }\n}\nPARAMETER {\n porosity = 35\n}\nBEDLOAD {\n PARAMETER {\n" + bedloadKeys + "\n }\n}\n";
}

struct SedCase {
    FLUMparse::FlumarisInputRoot root;
    SedimentSettings settings;
    std::unique_ptr<SedParameters> params;
    std::unique_ptr<ThetaCritical> theta;
    std::unique_ptr<TransportCapacity> law;

    SedCase(const std::string& diametersMm, const std::string& bedloadKeys)
    {
        FLUMparse::InputParser(true).parseText(commandFile2d(morphology(diametersMm, bedloadKeys)), root);
        const FLUMparse::InputBlock& m =
            root.getBlock("DOMAIN").getBlock("FLUMPLANE_2D").getBlock("MORPHOLOGY");
        settings = SedimentSettings::fromBlock(m);
        params = std::make_unique<SedParameters>(settings.diameters, *settings.morphology, *settings.bedload,
                                                 FluidProperties{kG, 1.0e-6, 1000.0});
        theta = std::make_unique<ThetaCritical>(*params, defaultThetaCritical(settings.bedload->formula));
        law = createTransportCapacity(settings.bedload->formula, *params, *theta);
    }

    // Mixture of the fractions (decimals) and its prepared location.
    BedLocation location(std::vector<double> fractions) const
    {
        const GrainMixture mix(*params, std::move(fractions));
        BedLocation loc = law->makeLocation();
        law->prepare(mix, nullptr, loc);
        return loc;
    }

    // Shields parameter of class k under shear velocity squared us2.
    double shields(int k, double us2) const { return us2 / (params->sMinus1() * kG * params->diameter(k)); }
};

// Uniform flow of depth h and velocity u with Strickler value kst: the slope
// that carries the friction, so that theta, J and u agree.
inline FlowState uniformFlow(double h, double u, double kst)
{
    FlowState f;
    f.h = h;
    f.u = u;
    f.c = kst * std::pow(h, 1.0 / 6.0) / std::sqrt(kG);
    f.slope = -(u / f.c) * (u / f.c) / (kG * h);
    return f;
}

inline double shearVelocity2(const FlowState& f) { return (f.u / f.c) * (f.u / f.c); }

}  // namespace sedtest
