#include "chain/boundary/FCBoundary.h"

#include "core/Flumaris.h"

namespace FlumChain {

Boundary::Boundary(const ChainView& view, std::string name, End end)
    : view_(view), name_(std::move(name)), end_(end),
      element_(end == End::Upstream ? 0 : view.lastElement()),
      edge_(end == End::Upstream ? 0 : view.lastElement() + 1), g_(Flumaris::settings().gravity()) {}

const Flumaris::CrossSection& Boundary::section() const {
    return *view_.grid().elements()[static_cast<std::size_t>(element_)].section;
}

}  // namespace FlumChain
