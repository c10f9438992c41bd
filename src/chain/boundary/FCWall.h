#pragma once
// A closed end: no flux. The pressure on the wall is the element's bed source.
#include "chain/boundary/FCBoundary.h"

namespace FlumChain {

class Wall final : public Boundary {
public:
    Wall(const ChainView& view, std::string name, End end) : Boundary(view, std::move(name), end) {}
    EdgeFlux flux(const CellValues&) const override { return {}; }
};

}  // namespace FlumChain
