#pragma once
// Several boundaries at one end: the sums of their fluxes.
#include <memory>
#include <vector>

#include "chain/boundary/FCBoundary.h"

namespace FlumChain {

class MultiBoundary final : public Boundary {
public:
    MultiBoundary(const ChainView& view, End end) : Boundary(view, "", end) {}
    void add(std::unique_ptr<Boundary> b) { members_.push_back(std::move(b)); }
    void update(double t, double dt) override;
    EdgeFlux flux(const CellValues& e) const override;
    const std::vector<std::unique_ptr<Boundary>>& members() const { return members_; }

private:
    std::vector<std::unique_ptr<Boundary>> members_;
};

}  // namespace FlumChain
