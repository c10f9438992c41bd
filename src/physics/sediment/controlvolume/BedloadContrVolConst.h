#pragma once
// The same thickness everywhere: `control_volume_thickness` [m].
#include "physics/sediment/controlvolume/BedloadContrVol.h"

namespace Flumaris {

class BedloadContrVolConst final : public BedloadContrVol {
public:
    explicit BedloadContrVolConst(double thickness) : thickness_(thickness) {}
    double thickness(const GrainMixture&) const override { return thickness_; }
    bool isConstant() const override { return true; }

private:
    double thickness_;
};

}  // namespace Flumaris
