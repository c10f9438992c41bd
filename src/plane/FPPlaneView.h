#pragma once
// What the parts of a 2-D subdomain (boundaries, structures, sources, outputs)
// see of it: its geometry, state, settings, edge strings, friction law and
// clock, read-only. The only writes are the ones a boundary owes the step: the
// fluxes of its own edges and the source rates of its own elements. Parts hold
// this view, never the subdomain, so they cannot reach its set-up or its grid.
#include <memory>
#include <string>
#include <vector>

#include "plane/flux/FPEdgeRecords.h"
#include "plane/mesh/FPEdgeStringSet.h"
#include "plane/mesh/FPGrid.h"
#include "plane/step/FPEuler.h"
#include "plane/step/FPState.h"

namespace Flumaris {
class ResistanceCalc;
}

namespace FlumPlane {

class FPBoundaryCondition;

// The subdomain's clock, kept by the subdomain.
struct PlaneClock {
    const double* time = nullptr;
    const double* timeStep = nullptr;
    const double* startTime = nullptr;
    const double* finalTime = nullptr;
    const double* origin = nullptr;  // where the run began; before startTime when it continues a stored run
};

class PlaneView {
public:
    struct Parts {
        std::string name;
        std::string outputPrefix;
        const Grid* grid = nullptr;
        FPState* state = nullptr;
        const EulerSettings* euler = nullptr;
        const EdgeStringSet* edgeStrings = nullptr;
        const std::vector<double>* frictionValues = nullptr;
        const std::unique_ptr<Flumaris::ResistanceCalc>* friction = nullptr;
        const std::vector<std::unique_ptr<FPBoundaryCondition>>* boundaries = nullptr;
        PlaneClock clock;
    };
    explicit PlaneView(Parts parts) : p_(std::move(parts)) {}
    PlaneView(const PlaneView&) = delete;
    PlaneView& operator=(const PlaneView&) = delete;

    const std::string& name() const { return p_.name; }
    // <project directory>/<region name>: the stem of every result file.
    const std::string& outputPrefix() const { return p_.outputPrefix; }
    const Grid& grid() const { return *p_.grid; }
    const FPState& state() const { return *p_.state; }
    const EulerSettings& eulerSettings() const { return *p_.euler; }
    double hmin() const { return p_.euler->hmin; }
    const EdgeStringSet& edgeStrings() const { return *p_.edgeStrings; }
    // Per element, as given in the command file.
    const std::vector<double>& frictionValues() const { return *p_.frictionValues; }
    const Flumaris::ResistanceCalc& frictionLaw() const { return **p_.friction; }
    const std::vector<std::unique_ptr<FPBoundaryCondition>>& boundaryConditions() const { return *p_.boundaries; }

    double time() const { return *p_.clock.time; }
    double timeStep() const { return *p_.clock.timeStep; }
    double startTime() const { return *p_.clock.startTime; }
    double finalTime() const { return *p_.clock.finalTime; }
    double origin() const { return *p_.clock.origin; }

    // Water volume on the mesh [m3].
    double waterVolume() const {
        double v = 0.0;
        for (int e = 0; e < grid().numElements(); ++e) v += p_.state->h_[e] * grid().elemArea_[e];
        return v;
    }

    // ---- the writes of a boundary ----
    // Whole-edge flux of one of the boundary's own edges; components at or
    // below 1e-50 are stored as 0.
    void setEdgeFlux(int edge, const EdgeFlux& F) const {
        p_.state->fluxMass_[edge] = cutTiny(F.mass);
        p_.state->fluxMomX_[edge] = cutTiny(F.momX);
        p_.state->fluxMomY_[edge] = cutTiny(F.momY);
    }
    // As given, without the cut (structures that rebuild a flux from parts).
    void setEdgeFluxRaw(int edge, double mass, double momX, double momY) const {
        p_.state->fluxMass_[edge] = mass;
        p_.state->fluxMomX_[edge] = momX;
        p_.state->fluxMomY_[edge] = momY;
    }
    // Source rate [m/s] of an element of an external source.
    void addSourceRate(int e, double rate) const { p_.state->sourceRate_[e] += rate; }
    void markSource(int e) const { p_.state->hasSource_[e] = 1; }

private:
    Parts p_;
};

}  // namespace FlumPlane
