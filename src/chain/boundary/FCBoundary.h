#pragma once
// A flux object on one of the two boundary edges of the chain: it forms F_A
// and F_Q of its edge from the adjacent element's values and its series.
// Fluxes are positive downstream, so an inflow at the upstream end and an
// outflow at the downstream end are both positive.
#include <string>

#include "chain/FCChainView.h"
#include "chain/step/FCEdgeFlux.h"

namespace Flumaris {
class CrossSection;
}

namespace FlumChain {

enum class End { Upstream, Downstream };

class Boundary {
public:
    Boundary(const ChainView& view, std::string name, End end);
    virtual ~Boundary() = default;

    // Series and relaxations at the start of a step [t, t + dt].
    virtual void update(double /*t*/, double /*dt*/) {}
    // The edge's fluxes for the element's values e.
    virtual EdgeFlux flux(const CellValues& e) const = 0;

    const std::string& name() const { return name_; }
    End end() const { return end_; }
    int element() const { return element_; }
    int edge() const { return edge_; }

protected:
    const Flumaris::CrossSection& section() const;
    // +1 when the structure's discharge leaves through the downstream end.
    double outward() const { return end_ == End::Downstream ? 1.0 : -1.0; }
    double gravity() const { return g_; }
    const ChainView& view_;

private:
    std::string name_;
    End end_;
    int element_, edge_;
    double g_;
};

}  // namespace FlumChain
