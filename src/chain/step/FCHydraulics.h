#pragma once
// The water of the chain: state arrays, the boundary and structure flux
// objects, lateral sources and the explicit step with its CFL rule. The
// implicit step (FCImplicitStep) works on the same state. Everything is sized
// at set-up; a step allocates nothing and gives the same bits for any thread
// count (each loop iteration writes only its own edge or element).
#include <iosfwd>
#include <memory>
#include <vector>

#include "chain/FCChainSettings.h"
#include "chain/FCChainState.h"
#include "chain/FCChainView.h"
#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCInnerStructure.h"
#include "chain/boundary/FCLateralSource.h"

namespace FlumChain {

class Grid;
class ImplicitStep;

class Hydraulics {
public:
    Hydraulics(const Grid& grid, const SolverSettings& settings);
    ~Hydraulics();

    // --- set-up ---
    // An end without a boundary is a wall.
    void setBoundary(std::unique_ptr<Boundary> b);
    void addStructure(std::unique_ptr<InnerStructure> s);
    void addSource(std::unique_ptr<LateralSource> s);
    // A and Q of every element as given; the section values follow.
    void setState(const std::vector<double>& A, const std::vector<double>& Q);

    // --- running ---
    // One step [t, t + dt] with the scheme of the settings; returns its length,
    // which an implicit step that found no solution may have shortened.
    double advance(double t, double dt);
    // Where the implicit scheme writes its reductions (not owned; null: nowhere).
    void setImplicitLog(std::ostream* log) { implicitLog_ = log; }
    const ImplicitStep* implicitStep() const { return implicit_.get(); }
    // The explicit CFL step of the current state (initial_time_step when all is dry);
    // the implicit scheme's step is initial_time_step.
    double stableTimeStep();
    int limitingElement() const { return limiting_; }

    const ChainState& state() const { return state_; }
    const ChainView& view() const { return view_; }
    const Grid& grid() const { return grid_; }
    const SolverSettings& settings() const { return settings_; }
    const Boundary* boundary(End e) const { return bounds_[e == End::Upstream ? 0 : 1].get(); }
    // Water on the chain [m3].
    double volume() const;
    // Net discharge into the chain through the two ends and the sources over the last step [m3/s].
    double lastInflow() const { return lastInflow_; }

    // The pieces of a step, shared with the implicit scheme.
    void updateBoundaries(double t, double dt);
    // Edge fluxes of the state (A, Q, sec) into FA, FQ.
    void computeFluxes(const std::vector<double>& A, const std::vector<double>& Q,
                       const std::vector<Flumaris::SectionState>& sec, std::vector<double>& FA,
                       std::vector<double>& FQ) const;
    // The water level that the bed source of element i takes upstream (side 0) or downstream (side 1).
    double neighbourLevel(const std::vector<Flumaris::SectionState>& sec, const std::vector<double>& Q, int i,
                          int side, double& x) const;
    const InnerStructure* structureAt(int edge) const { return structureOfEdge_[static_cast<std::size_t>(edge)]; }
    const Boundary& boundaryRef(int side) const { return *bounds_[static_cast<std::size_t>(side)]; }
    double zBed(int i) const { return zBed_[static_cast<std::size_t>(i)]; }
    double xCoord(int i) const { return x_[static_cast<std::size_t>(i)]; }
    ChainState& mutableState() { return state_; }
    void refreshSections();

private:
    void explicitStep(double dt);

    const Grid& grid_;
    SolverSettings settings_;
    ChainState state_;
    double time_ = 0.0;
    ChainView view_;
    double g_;
    std::vector<double> zBed_, x_, length_;
    std::unique_ptr<Boundary> bounds_[2];
    std::vector<std::unique_ptr<InnerStructure>> structures_;
    std::vector<const InnerStructure*> structureOfEdge_;
    std::vector<std::unique_ptr<LateralSource>> sources_;
    std::unique_ptr<ImplicitStep> implicit_;
    int limiting_ = -1;
    std::ostream* implicitLog_ = nullptr;
    double lastInflow_ = 0.0;
};

}  // namespace FlumChain
