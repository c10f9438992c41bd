#pragma once
// The sweeps over the edges of the grid. Each iteration writes only its own
// edge; the solver type is a template parameter, so the loop body holds no
// virtual call and no branch on the solver.
#include <algorithm>

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

// Edges of type EdgeWall: no mass flux, hydrostatic pressure at the level of
// the wet element inside.
inline void wallEdgeFlux(const Grid& grid, FPState& state, int i, double hmin, double g) {
    if (grid.edgeType_[i] != EdgeWall) return;
    const int e = grid.edgeLeft_[i];
    storeFlux(state, i, state.h_[e] > hmin ? wallFlux(edgeGeometry(grid, i), state.wse_[e], g) : EdgeFlux{});
}

// Riemann fluxes of the interior edges (all of them, or the chunks that
// `blocks` visits in this step: every other edge holds 0 already) and the
// wall fluxes, in one parallel region.
template <class Solver>
void computeEdgeFluxes(const Solver& solver, const Grid& grid, FPState& state, double hmin,
                       bool dynamicDepth, const WetBlocks* blocks = nullptr) {
    const int* edges = grid.interiorEdges_.data();
    const int n = static_cast<int>(grid.interiorEdges_.size());
    const int* walls = grid.boundaryEdges_.data();
    const int nw = static_cast<int>(grid.boundaryEdges_.size());
    const std::vector<int>* chunks = blocks ? &blocks->stepChunks() : nullptr;
    // Without blocks every chunk is visited; one call site keeps the solver inlined.
    const int nr = chunks ? static_cast<int>(chunks->size()) : (n + WetBlocks::kBlock - 1) / WetBlocks::kBlock;
#pragma omp parallel
    {
#pragma omp for schedule(static) nowait
        for (int j = 0; j < nr; ++j) {
            const int c = chunks ? (*chunks)[j] : j;
            const int end = std::min(n, (c + 1) * WetBlocks::kBlock);
            for (int k = c * WetBlocks::kBlock; k < end; ++k) {
                const int i = edges[k];
                const ElementSide left = elementSide(state, grid.edgeLeft_[i]);
                const ElementSide right = elementSide(state, grid.edgeRight_[i]);
                storeFlux(state, i,
                          interiorEdgeFlux(solver, edgeGeometry(grid, i), left, right, hmin, dynamicDepth));
            }
        }
#pragma omp for schedule(static) nowait
        for (int k = 0; k < nw; ++k) wallEdgeFlux(grid, state, walls[k], hmin, solver.g);
    }
}

}  // namespace FlumPlane
