#pragma once
// The 2-D subdomain: an unstructured mesh, its flow state, the explicit step
// with its boundary conditions, sources and outputs.
#include <memory>
#include <string>
#include <vector>

#include "core/SubDomain.h"
#include "plane/FPPlaneView.h"
#include "plane/boundary/FPBoundaryCondition.h"
#include "plane/mesh/FPEdgeStringSet.h"
#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPMovingBed.h"
#include "plane/output/FPOutput.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPRunHealth.h"
#include "plane/step/FPState.h"
#include "plane/step/FPTimeStep.h"
#include "plane/step/FPWallFriction.h"

namespace FLUMparse {
class InputBlock;
}
namespace FLUMtools {
class FTRestartCGNS;
}
namespace Flumaris {
class ResistanceCalc;
}

namespace FlumPlane {

class FLUMplane_2d : public Flumaris::SubDomain {
public:
    // Builds everything from a validated FLUMPLANE_2D block.
    explicit FLUMplane_2d(const FLUMparse::InputBlock& block);
    ~FLUMplane_2d() override;

    void prepareRun() override;
    void advance(double dt) override;
    double nextEventTime() const override;
    void finalize(double runTime) override;

    // One hydraulic step of length dt from the current time (advance() without
    // the next stable step).
    void step(double dt);
    // Stable step for the current state (CFL).
    double computeTimeStep();

    // What boundaries, structures, sources and outputs see of the subdomain.
    const PlaneView& view() const { return view_; }
    const Grid& grid() const { return grid_; }
    const FPState& state() const { return state_; }
    const EdgeStringSet& edgeStrings() const { return edgeStrings_; }
    const EulerSettings& eulerSettings() const { return eulerSettings_; }
    const std::vector<double>& frictionValues() const { return frictionValue_; }
    // The friction law of the subdomain (boundary cross sections use it too).
    const Flumaris::ResistanceCalc& frictionLaw() const { return *friction_; }
    const std::string& meshFile() const { return meshFile_; }
    const std::string& outputPrefix() const { return outputPrefix_; }
    int stepCount() const { return steps_; }
    // The restart file this run writes.
    std::string restartFile() const;
    // Water volume on the mesh [m3].
    double waterVolume() const;
    const FPRunHealth& runHealth() const { return health_; }

    const std::vector<std::unique_ptr<FPBoundaryCondition>>& boundaryConditions() const { return boundaries_; }

private:
    void readParameters(const FLUMparse::InputBlock& block);
    void readGeometry(const FLUMparse::InputBlock& block);
    void readFriction(const FLUMparse::InputBlock& block);
    void readInitialConditions(const FLUMparse::InputBlock& block);
    void updateFriction();
    void continueFromRestart(const FLUMparse::InputBlock& initial, bool startFromRestart);
    void readRestartSettings(const FLUMparse::InputBlock& block);
    void writeRestart();
    // Moves the prescribed nodes to their elevations at time t; the water
    // keeps its depth, so no volume is made or lost.
    void moveBed(double t);
    // Takes the condition's edges and elements over into the grid and state,
    // and registers its coupling interface.
    void addBoundaryCondition(std::unique_ptr<FPBoundaryCondition> bc);

    Grid grid_;
    FPState state_;
    EdgeStringSet edgeStrings_;
    EulerSettings eulerSettings_;
    TimeStepSettings timeStepSettings_;
    std::unique_ptr<Euler> euler_;
    std::unique_ptr<TimeStep> timeStep_;
    std::unique_ptr<Flumaris::ResistanceCalc> friction_;
    std::unique_ptr<WallFriction> wallFriction_;
    std::unique_ptr<MovingBed> movingBed_;  // prescribed node elevations over time
    std::vector<int> movingElements_;       // elements touching a moving node
    std::vector<double> frictionValue_;  // per element, as given in the command file
    std::vector<std::unique_ptr<FPBoundaryCondition>> boundaries_;
    std::vector<std::unique_ptr<FPOutput>> outputs_;
    std::string meshFile_;
    std::string outputPrefix_;  // <project directory>/<region name>
    double origin_ = 0.0;  // where the run began (a continued run: where the stored run began)
    bool continued_ = false;
    PlaneView view_;
    double sqrtG_ = 0.0;
    int steps_ = 0;
    bool startFromRestart_ = false;  // start_time negative: a continued run starts at the restart time
    std::unique_ptr<FLUMtools::FTRestartCGNS> restart_;
    std::string restartInput_;       // the file a continued run read
    double restartInterval_ = 1e32;
    double nextRestart_ = 1e32;
    double lastRestartTime_ = -1e300;
    bool wallFrictionOn_ = true;
    double wallFrictionFactor_ = -1.0;
    FPRunHealth health_{getName(), grid_, state_, eulerSettings_, outputs_};
};

}  // namespace FlumPlane
