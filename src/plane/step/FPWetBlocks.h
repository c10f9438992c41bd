#pragma once
// Which parts of the mesh the sweeps must visit. Elements are grouped in
// blocks of kBlock consecutive indices, interior edges in chunks of kBlock
// consecutive positions of Grid::interiorEdges_. A block is needed while one of
// its elements is wet or has a wet neighbour, a chunk while one of its edges
// has a wet side: everywhere else every flux is 0 and every element keeps its
// state, so skipping it changes no bit.
//
// The counts behind these flags change only where an element crosses the wet
// threshold, which happens at the fronts, so keeping them costs a scan of the
// visited blocks per step and a few increments per crossing.
//
// A block or chunk is visited one step after it stops being needed: that step
// writes its quiet values (fluxes 0, velocities 0, depth kept) into the second
// buffer of the swapped pairs, after which neither buffer changes. The first
// two steps after a reset visit everything, so that both buffers start from
// the state whatever that state held.
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"

namespace FlumPlane {

class WetBlocks {
public:
    static constexpr int kBlock = 64;

    // Counts from the state. Elements with a boundary-condition or linked
    // edge, an interior edge outside the sweep, or a source are always needed:
    // their fluxes come from elsewhere.
    void build(const Grid& grid, const FPState& state, double hmin);
    bool built() const { return built_; }

    // Blocks and chunks to visit in the coming step (needed now or last step).
    void beginStep();
    // Counts for the new state. Only visited blocks can change; the update
    // scans each for crossings of the wet threshold (in parallel), and after
    // the commit the crossings found are counted (on one thread).
    void scanBlock(int b, const double* hNew) {
        unsigned char any = 0;
        for (int e = blockBegin(b); e < blockEnd(b); ++e)
            any |= wet_[e] ^ static_cast<unsigned char>(hNew[e] > hmin_);
        blockCrossed_[b] = any;
    }
    // A depth changed after the scan.
    void markCrossed(int e) { blockCrossed_[e / kBlock] = 1; }
    void countCrossings(const Grid& grid, const FPState& state);

    // Visited in the step under way.
    const std::vector<int>& stepBlocks() const { return stepBlocks_; }
    const std::vector<int>& stepChunks() const { return stepChunks_; }
    // Needed in the current state (what the time step must look at).
    const std::vector<int>& neededBlocks() const { return neededBlocks_; }
    const std::vector<int>& neededChunks() const { return neededChunks_; }
    // Edges in no chunk: mesh boundary and interior edges a boundary condition took.
    const std::vector<int>& otherEdges() const { return otherEdges_; }

    // Element range [first, last) of block b, interior-edge positions of chunk c.
    int blockBegin(int b) const { return b * kBlock; }
    int blockEnd(int b) const { return b + 1 < numBlocks() ? (b + 1) * kBlock : numElements_; }
    int chunkBegin(int c) const { return c * kBlock; }
    int chunkEnd(int c) const { return c + 1 < numChunks() ? (c + 1) * kBlock : numInterior_; }
    int numBlocks() const { return static_cast<int>(blockCount_.size()); }
    int numChunks() const { return static_cast<int>(chunkCount_.size()); }

private:
    void crossing(const Grid& grid, int e, int d);
    void listNeeded();

    bool built_ = false;
    int fullSteps_ = 0;  // steps left that visit everything
    int numElements_ = 0;
    int numInterior_ = 0;
    double hmin_ = 0.0;
    std::vector<unsigned char> wet_;          // per element, the state the counts describe
    std::vector<int> chunkOfEdge_;            // per edge: its chunk, -1 outside the sweep
    std::vector<int> blockCount_;             // wet elements in or next to the block (+ always)
    std::vector<int> chunkCount_;             // wet sides of the chunk's edges
    std::vector<unsigned char> blockWasNeeded_, chunkWasNeeded_;
    std::vector<unsigned char> blockCrossed_; // per block: an element crossed in the last commit
    std::vector<int> stepBlocks_, stepChunks_, neededBlocks_, neededChunks_, otherEdges_;
};

}  // namespace FlumPlane
