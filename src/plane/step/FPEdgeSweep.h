#pragma once
// The sweeps over the edges of the grid. Each iteration writes only its own
// edge; the solver type is a template parameter, so the loop body holds no
// virtual call and no branch on the solver.
#include "plane/flux/FPEdgeKernels.h"
#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"
#include "plane/step/FPWetBlocks.h"

namespace FlumPlane {

inline EdgeGeometry edgeGeometry(const Grid& grid, int i) {
    EdgeGeometry e;
    e.a = grid.edgeDy_[i];
    e.b = grid.edgeDx_[i];
    e.L = grid.edgeLength_[i];
    e.z1 = grid.nodeZ_[grid.edgeNode1_[i]];
    e.z2 = grid.nodeZ_[grid.edgeNode2_[i]];
    e.zmin = grid.edgeZmin_[i];
    e.zmean = grid.edgeZmean_[i];
    e.hasNormal = true;
    e.unitNx = grid.edgeNx_[i];
    e.unitNy = grid.edgeNy_[i];
    return e;
}

inline ElementSide elementSide(const FPState& s, int e) {
    return {s.h_[e], s.u_[e], s.v_[e], s.wse_[e]};
}

inline void storeFlux(FPState& s, int i, const EdgeFlux& F) {
    s.fluxMass_[i] = F.mass;
    s.fluxMomX_[i] = F.momX;
    s.fluxMomY_[i] = F.momY;
}

// Riemann fluxes of the interior edges: all of them, or the chunks that
// `blocks` visits in this step (every other edge holds 0 already).
template <class Solver>
void computeInteriorFluxes(const Solver& solver, const Grid& grid, FPState& state,
                           double hmin, bool dynamicDepth, const WetBlocks* blocks = nullptr) {
    const int* edges = grid.interiorEdges_.data();
    const int n = static_cast<int>(grid.interiorEdges_.size());
    auto one = [&](int k) {
        const int i = edges[k];
        const ElementSide left = elementSide(state, grid.edgeLeft_[i]);
        const ElementSide right = elementSide(state, grid.edgeRight_[i]);
        storeFlux(state, i,
                  interiorEdgeFlux(solver, edgeGeometry(grid, i), left, right, hmin, dynamicDepth));
    };
    if (blocks) {
        const std::vector<int>& chunks = blocks->stepChunks();
        const int nc = static_cast<int>(chunks.size());
#pragma omp parallel for schedule(static)
        for (int j = 0; j < nc; ++j)
            for (int k = blocks->chunkBegin(chunks[j]); k < blocks->chunkEnd(chunks[j]); ++k) one(k);
        return;
    }
#pragma omp parallel for schedule(static)
    for (int k = 0; k < n; ++k) one(k);
}

// Edges of type EdgeWall: no mass flux, hydrostatic pressure at the level of
// the wet element inside.
inline void computeWallFluxes(const Grid& grid, FPState& state, double hmin, double g) {
    const int* edges = grid.boundaryEdges_.data();
    const int n = static_cast<int>(grid.boundaryEdges_.size());
#pragma omp parallel for schedule(static)
    for (int k = 0; k < n; ++k) {
        const int i = edges[k];
        if (grid.edgeType_[i] != EdgeWall) continue;
        const int e = grid.edgeLeft_[i];
        storeFlux(state, i,
                  state.h_[e] > hmin ? wallFlux(edgeGeometry(grid, i), state.wse_[e], g) : EdgeFlux{});
    }
}

}  // namespace FlumPlane
