#pragma once
// Flow state of the 2-D subdomain as structure-of-arrays, indexed like the
// grid (element e, edge i). Bed elevations and geometry stay in the grid.
#include <cstddef>
#include <vector>

namespace FlumPlane {

// An element takes part in fluxes and boundary laws when its depth lies above
// the minimum water depth (the solver's one wet/dry threshold).
inline bool isWet(double h, double hmin) { return h > hmin; }

class FPState {
public:
    // Sizes every array; new entries are dry and at rest.
    void resize(int numElements, int numEdges);
    int numElements() const { return static_cast<int>(h_.size()); }
    int numEdges() const { return static_cast<int>(fluxMass_.size()); }

    // ---- elements ----
    std::vector<double> h_;            // depth [m]
    std::vector<double> u_, v_;        // depth-averaged velocities [m/s]
    std::vector<double> speed_;        // sqrt(u^2 + v^2)
    std::vector<double> wse_;          // water-surface elevation h + zb [m]
    std::vector<double> wseOld_;       // wse of the previous step
    std::vector<double> cf_;           // velocity coefficient u/u* (the friction law keeps it current; 0 = none)
    std::vector<double> eddyViscosity_;     // [m2/s], turbulence only
    std::vector<double> sourceRate_;   // external source [m/s]
    std::vector<unsigned char> hasSource_;
    std::vector<unsigned char> fullyWetted_;
    // step in progress: new depth, velocities and speed (the update also
    // writes the new wse into wseOld_, which the commit swaps with wse_)
    std::vector<double> hNew_, uNew_, vNew_, speedNew_;
    // summed inflow of the step (balance record): m3/s and m4/s2
    std::vector<double> sumMass_, sumMomX_, sumMomY_;

    // ---- edges: whole-edge fluxes, positive from left to right ----
    std::vector<double> fluxMass_, fluxMomX_, fluxMomY_;
    // diffusive (turbulent) momentum fluxes, turbulence only
    std::vector<double> diffMomX_, diffMomY_;
};

}  // namespace FlumPlane
