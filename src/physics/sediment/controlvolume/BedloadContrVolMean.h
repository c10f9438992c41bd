#pragma once
// Thickness = control_volume_factor * d90 of the surface mixture [m], at least 1e-5 m.
#include "physics/sediment/controlvolume/BedloadContrVol.h"

namespace Flumaris {

class BedloadContrVolMean final : public BedloadContrVol {
public:
    static constexpr double kMinThickness = 1.0e-5;

    explicit BedloadContrVolMean(double factor) : factor_(factor) {}
    double thickness(const GrainMixture& surface) const override;

private:
    double factor_;
};

}  // namespace Flumaris
