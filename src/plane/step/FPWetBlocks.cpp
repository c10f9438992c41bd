#include "plane/step/FPWetBlocks.h"

namespace FlumPlane {

void WetBlocks::build(const Grid& grid, const FPState& s, double hmin) {
    hmin_ = hmin;
    numElements_ = grid.numElements();
    numInterior_ = static_cast<int>(grid.interiorEdges_.size());
    const int nb = (numElements_ + kBlock - 1) / kBlock;
    const int nc = (numInterior_ + kBlock - 1) / kBlock;
    blockCount_.assign(static_cast<std::size_t>(nb), 0);
    chunkCount_.assign(static_cast<std::size_t>(nc), 0);
    blockWasNeeded_.assign(static_cast<std::size_t>(nb), 1);
    chunkWasNeeded_.assign(static_cast<std::size_t>(nc), 1);
    blockCrossed_.assign(static_cast<std::size_t>(nb), 0);
    chunkOfEdge_.assign(static_cast<std::size_t>(grid.numEdges()), -1);
    for (int k = 0; k < numInterior_; ++k) chunkOfEdge_[grid.interiorEdges_[k]] = k / kBlock;
    otherEdges_.clear();
    for (int i = 0; i < grid.numEdges(); ++i)
        if (chunkOfEdge_[i] < 0) otherEdges_.push_back(i);

    // Fluxes that the sweep does not compute may reach a dry element at any time.
    std::vector<unsigned char> always(static_cast<std::size_t>(numElements_), 0);
    for (int i = 0; i < grid.numEdges(); ++i) {
        const bool outside = grid.edgeRight_[i] == Grid::kNone
                                 ? grid.edgeType_[i] != EdgeWall
                                 : chunkOfEdge_[i] < 0;
        if (!outside && grid.edgeLink_[i] == Grid::kNone) continue;
        always[grid.edgeLeft_[i]] = 1;
        if (grid.edgeRight_[i] != Grid::kNone) always[grid.edgeRight_[i]] = 1;
    }
    for (int e = 0; e < numElements_; ++e)
        if (always[e] || s.hasSource_[e]) ++blockCount_[e / kBlock];

    wet_.assign(static_cast<std::size_t>(numElements_), 0);
    for (int e = 0; e < numElements_; ++e) {
        if (!(s.h_[e] > hmin)) continue;
        wet_[e] = 1;
        crossing(grid, e, +1);
    }
    fullSteps_ = 2;
    built_ = true;
    listNeeded();
    // Until the first step begins, a sweep visits everything.
    stepBlocks_.resize(static_cast<std::size_t>(nb));
    for (int b = 0; b < nb; ++b) stepBlocks_[b] = b;
    stepChunks_.resize(static_cast<std::size_t>(nc));
    for (int c = 0; c < nc; ++c) stepChunks_[c] = c;
}

void WetBlocks::crossing(const Grid& grid, int e, int d) {
    blockCount_[e / kBlock] += d;
    for (int k = 0; k < grid.elemNumNodes_[e]; ++k) {
        const int slot = Grid::kMaxNodes * e + k;
        const int nb = grid.elemNeighbours_[slot];
        if (nb >= 0) blockCount_[nb / kBlock] += d;
        const int c = chunkOfEdge_[grid.elemEdges_[slot]];
        if (c >= 0) chunkCount_[c] += d;
    }
}

void WetBlocks::listNeeded() {
    neededBlocks_.clear();
    neededChunks_.clear();
    for (int b = 0; b < numBlocks(); ++b)
        if (blockCount_[b] > 0) neededBlocks_.push_back(b);
    for (int c = 0; c < numChunks(); ++c)
        if (chunkCount_[c] > 0) neededChunks_.push_back(c);
}

void WetBlocks::beginStep() {
    const bool all = fullSteps_ > 0;
    if (all) --fullSteps_;
    stepBlocks_.clear();
    stepChunks_.clear();
    for (int b = 0; b < numBlocks(); ++b) {
        const unsigned char needed = blockCount_[b] > 0;
        if (all || needed || blockWasNeeded_[b]) stepBlocks_.push_back(b);
        blockWasNeeded_[b] = needed;
    }
    for (int c = 0; c < numChunks(); ++c) {
        const unsigned char needed = chunkCount_[c] > 0;
        if (all || needed || chunkWasNeeded_[c]) stepChunks_.push_back(c);
        chunkWasNeeded_[c] = needed;
    }
}

void WetBlocks::countCrossings(const Grid& grid, const FPState& s) {
    const double* h = s.h_.data();
    bool changed = false;
    for (const int b : stepBlocks_) {
        if (!blockCrossed_[b]) continue;
        changed = true;
        for (int e = blockBegin(b); e < blockEnd(b); ++e) {
            const unsigned char now = h[e] > hmin_;
            if (now == wet_[e]) continue;
            wet_[e] = now;
            crossing(grid, e, now ? +1 : -1);
        }
    }
    if (changed) listNeeded();
}

}  // namespace FlumPlane
