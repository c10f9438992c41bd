#pragma once
// Settings of the 1-D subdomain's blocks, read once from the validated blocks;
// the schema default is the only default.
#include <string>
#include <vector>

#include "physics/resistance/ResistanceFactory.h"
#include "section/CrossSection.h"

namespace FLUMparse {
class InputBlock;
}

namespace FlumChain {

// Iteration limit of the level of a wetted area (calculateZ).
inline constexpr int kLevelIterations = 1000;

struct GeometrySettings {
    std::string file;                // path to open
    std::vector<std::string> order;  // cross_section_order, upstream first
    bool dump = false;

    // Stops with the deprecation message for the old formats.
    static GeometrySettings fromBlock(const FLUMparse::InputBlock& geometry);
};

struct FrictionSettings {
    Flumaris::ResistanceSettings law;  // always the Strickler law: section values are Strickler values
    double defaultFriction = -1.0;     // Strickler value; -1: none
    bool grainFriction = false;

    // The FRICTION block of HYDRAULICS, which is obligatory.
    static FrictionSettings fromHydraulics(const FLUMparse::InputBlock& hydraulics);
};

// SECTION_COMPUTATION (obligatory) with the wet/dry depth of PARAMETER.
Flumaris::SectionComputation sectionComputationFromHydraulics(const FLUMparse::InputBlock& hydraulics);

}  // namespace FlumChain
