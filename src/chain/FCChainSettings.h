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

enum class RiemannSolver { Roe, Upwind };
enum class Scheme { Explicit, Implicit };

// PARAMETER and TIMESTEP: what the steps and the time-step rule read.
struct SolverSettings {
    double hmin = 0.0;  // [m] minimum_water_depth
    bool stretchBoundary = true;
    RiemannSolver riemann = RiemannSolver::Roe;
    Scheme scheme = Scheme::Explicit;
    double theta = 1.0;
    double truncationArea = 0.0;       // [m2]
    double truncationDischarge = 0.0;  // [m3/s]
    int iterationNumber = 10;          // stored; the Newton loop stops at kNewtonLimit
    int tryLimit = 0;
    double timeStepReduction = 0.0;
    double cfl = 0.0;
    double maxTimeStep = 0.0;      // [s]
    double initialTimeStep = 0.0;  // [s]

    static SolverSettings fromBlocks(const FLUMparse::InputBlock& hydraulics, const FLUMparse::InputBlock& timestep);
};

inline constexpr int kNewtonLimit = 10;

enum class InitialKind { Dry, Continue, Backwater };

struct InitialSettings {
    InitialKind kind = InitialKind::Dry;
    std::string file;     // continue
    double qOut = 0.0;    // backwater [m3/s]
    double wseOut = 0.0;  // backwater [m]

    static InitialSettings fromHydraulics(const FLUMparse::InputBlock& hydraulics);
};

// SECTION_COMPUTATION (obligatory) with the wet/dry depth of PARAMETER.
Flumaris::SectionComputation sectionComputationFromHydraulics(const FLUMparse::InputBlock& hydraulics);

}  // namespace FlumChain
