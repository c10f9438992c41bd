#pragma once
// Outflow of a stage-discharge relation (file: discharge over water-surface
// elevation) or of the normal flow K sqrt(S) at the element's level.
#include <memory>

#include "chain/boundary/FCBoundary.h"
#include "chain/boundary/FCBoundarySettings.h"

namespace Flumaris {
class StandardSerie;
}

namespace FlumChain {

class HQRelation final : public Boundary {
public:
    HQRelation(const ChainView& view, const BoundarySettings& s);
    ~HQRelation() override;
    EdgeFlux flux(const CellValues& e) const override;

private:
    std::unique_ptr<Flumaris::StandardSerie> relation_;
    double rootSlope_ = 0.0;
};

}  // namespace FlumChain
