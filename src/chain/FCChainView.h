#pragma once
// What the parts of a 1-D subdomain (boundaries, structures, sources) see of
// it: grid, state, solver settings and clock, read-only. Parts hold this view,
// never the subdomain.
#include <string>

#include "chain/FCChainSettings.h"
#include "chain/FCChainState.h"
#include "chain/FCGrid.h"

namespace FlumChain {

class ChainView {
public:
    ChainView(const Grid& grid, const ChainState& state, const SolverSettings& settings, const double& time)
        : grid_(grid), state_(state), settings_(settings), time_(time) {}
    ChainView(const ChainView&) = delete;
    ChainView& operator=(const ChainView&) = delete;

    const Grid& grid() const { return grid_; }
    const ChainState& state() const { return state_; }
    const SolverSettings& settings() const { return settings_; }
    double hmin() const { return settings_.hmin; }
    double time() const { return time_; }
    int lastElement() const { return static_cast<int>(grid_.numElements()) - 1; }

private:
    const Grid& grid_;
    const ChainState& state_;
    const SolverSettings& settings_;
    const double& time_;
};

}  // namespace FlumChain
